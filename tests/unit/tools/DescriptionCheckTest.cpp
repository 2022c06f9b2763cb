#include "tools/check/Bytes.h"
#include "tools/check/DescriptionCheck.h"
#include "tools/check/ReportOutput.h"

#include "engine/CommandRecord.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Found = std::vector<std::pair<int, std::string>>;

// The patch folder of every case holds these files.
const std::set<std::string> kPatchFiles = {"a.dll", "new\\b.dll", "v1\\a.dll"};

DescriptionReport check(const std::string& text)
{
    return checkDescription(textOf(text),
                            [](const std::string& path) { return kPatchFiles.count(path) > 0; });
}

Found warningsOf(const DescriptionReport& report)
{
    Found found;
    for (const CheckWarning& w : report.warnings)
        found.emplace_back(w.line, checkCodeName(w.code));
    return found;
}

const char kHead[] = "T=Tool\nI=1;C:\\Tool\\\nCM=150\nD\n";  // the command section starts at line 5

TEST(DescriptionCheck, WarnsWhereTheProgramWillNotDoWhatIsMeant)
{
    struct Case {
        const char* name;
        std::string text;
        Found expected;
    } cases[] = {
        {"a clean update", std::string(kHead) + "c;backup%1\\\nu;a.dll;a.dll;%backup%a.dll\n"
                                                 "u;new\\b.dll;b.dll;bak\\b%1.dll\nend;1;a.dll;done\n",
         {}},
        {"header keys the program passes over",
         "; comment\nt=Tool\nX=1\nCX=2\nSITE_HOME=x\nD\na.dll\n",
         {{2, "lowercase-key"}, {3, "unknown-key"}, {4, "unknown-key"}, {5, "unknown-key"}}},
        {"no D line", "T=Tool\nV=2\n", {{0, "no-d-line"}}},
        {"a version file before the install folder",
         "V=2\nU=1;app.ini;Version;Build\nI=1;C:\\Tool\\\nU=4;app.cfg;Build\nU=2;Software\\Tool;Build\n"
         "D\na.dll\n",
         {{2, "version-before-install"}}},
        // An empty field cannot be written (";;" is one separator), so every
        // entry names its source folder.
        {"patch entries",
         "M=0;0;a;1 2 3 4;v1\\;A;a\nM=0;0;b;1 2 3 4;v1\\;B;b\nM=5;0;c;1 2 3 4;v1\\;C;c\nD\na.dll\n",
         {{2, "repeated-patch-number"}, {3, "patch-not-offered"}}},
        {"a single patch entry is never offered", "M=5;0;c;1 2 3 4;v1\\;C;c\nD\na.dll\n", {}},
        {"signatures",
         "M=0;0;a;1 2 3;v1\\;A;a\nM=1;0;a;1.0.2.3;v1\\;B;b\nM=2;0;a;255 0x10 3 4;v1\\;C;c\n"
         "M=3;1;a;anything;v1\\;D;d\nD\na.dll\n",
         {{1, "signature-not-four-numbers"}, {2, "signature-not-four-numbers"}, {4, "patch-not-offered"}}},
        {"versions", "V=1.2\nD\na.dll\n", {{1, "version-not-number"}}},
        {"an empty version", "V=\nD\na.dll\n", {{1, "version-not-number"}}},
        {"a whole-number version", "V=-12\nD\na.dll\n", {}},
        {"a version source without a version", "I=1;C:\\Tool\\\nU=1;app.ini;Version;Build\nD\na.dll\n",
         {{2, "empty-version-recorded"}}},
        {"no command runs", "CM=50\nD\nu;missing.dll;a.dll\n", {{1, "no-commands-run"}}},
        {"command lines the program skips",
         std::string(kHead) + "End;1;a.dll\nU;a.dll;a.dll\nx;y\n\n; comment\nu;a.dll;a.dll\n",
         {{5, "skipped-command"}, {6, "skipped-command"}, {7, "skipped-command"}}},
        {"an empty command list", std::string(kHead) + "; nothing\nEnd;1;a.dll\n",
         {{0, "empty-command-list"}, {6, "skipped-command"}}},
        {"sources missing from the patch folder",
         std::string(kHead) + "u;missing.dll;a.dll\ne;setup.exe\no;part.bin;a.dll;0,0,0\n",
         {{5, "missing-source"}, {6, "missing-source"}, {7, "missing-source"}}},
        {"a copy list", "D\nmissing.dll\na.dll;a.dll;a.bak\na.dll;a.dll;..\\a%1.bak\n",
         {{2, "missing-source"}, {3, "backup-without-number"}, {4, "path-leaves-folder"}}},
        {"backup names", std::string(kHead) + "u;a.dll;a.dll;%backup%a.dll\nu;a.dll;a.dll;bak\\a.dll\n"
                                               "c;backup\\\nd;x.txt;old\\x.txt\nd;y.txt;%backup%y.txt\n",
         {{5, "backup-before-folder"}, {6, "backup-without-number"}, {7, "backup-without-number"},
          {8, "path-leaves-folder"}}},
        // A "c" line makes a backup folder when its first parameter begins
        // with "b", whatever follows; the author meant a copy or a note.
        {"copy lines that make backup folders",
         std::string(kHead) + "c;bin\\a.dll;%backup%a.dll\nc;backup%1\\;note\nc;backup%1\\\n"
                              "c;data\\a.dll;data\\b.dll\n",
         {{5, "copy-line-is-backup-folder"}, {5, "backup-without-number"},
          {6, "copy-line-is-backup-folder"}, {8, "backup-without-number"}}},
        {"paths that leave their folder",
         std::string(kHead) + "u;..\\a.dll;a.dll\nd;C:\\Windows\\x.dll\nm;\\temp\nr;a.txt;sub\\..\\..\\b.txt\n",
         {{5, "missing-source"}, {5, "path-leaves-folder"}, {6, "path-leaves-folder"},
          {7, "path-leaves-folder"}, {8, "path-leaves-folder"}}},
        {"bytes that are not Shift_JIS", "T=\x83\x63\x81\x5B\x83\x8B\nT=\x81\x20x\nT=\xFF\nD\na.dll\n",
         {{2, "not-shift-jis"}, {3, "not-shift-jis"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(warningsOf(check(c.text)), c.expected) << c.name;
}

TEST(DescriptionCheck, SourcesOfASelectionAreLookedForInEveryOfferedPatch)
{
    DescriptionReport report = check("M=0;0;a;1 2 3 4;v1\\;A;a\nM=1;0;a;1 2 3 4;v2\\;B;b\nD\na.dll\n");
    ASSERT_EQ(report.warnings.size(), 1u);
    EXPECT_EQ(report.warnings[0].code, CheckCode::MissingSource);
    EXPECT_EQ(report.warnings[0].detail, "v2\\a.dll");
}

TEST(DescriptionCheck, ReportsTheHeaderAndEveryCommandLineAsRead)
{
    DescriptionReport report = check(
        "T=Tool\nV=6\nI=2;Software\\Tool;Folder\nU=1;app.ini;Version;Build\nCM=150\nD\n"
        "u;a.dll;a.dll;bak\\a%1.dll\nEnd;1;a.dll\n\nc;backup%1\\\n");
    EXPECT_TRUE(report.headerComplete);
    EXPECT_STREQ(report.settings.productName.text(), "Tool");
    EXPECT_EQ(report.install.line, 3);
    EXPECT_EQ(report.install.type, 2);
    EXPECT_EQ(report.install.fields, (std::vector<std::string>{"Software\\Tool", "Folder"}));
    EXPECT_EQ(report.settings.versionSource, 1);
    ASSERT_EQ(report.commands.size(), 3u);
    EXPECT_EQ(report.commands[0].line, 7);
    EXPECT_EQ(report.commands[0].kind, CMD_UPDATE);
    EXPECT_EQ(report.commands[0].params[2], "bak\\a%1.dll");
    EXPECT_EQ(report.commands[1].line, 8);
    EXPECT_EQ(report.commands[1].kind, kSkippedLine);
    EXPECT_EQ(report.commands[1].text, "End;1;a.dll");
    EXPECT_EQ(report.commands[2].line, 10);
    EXPECT_EQ(report.commands[2].kind, CMD_BACKUP_FOLDER);
}

TEST(DescriptionCheck, LineNumbersCountCarriageReturnLineFeedLinesAndALastLineWithoutEnd)
{
    DescriptionReport report = check("T=Tool\r\n\r\nx=1\r\nD\r\nmissing.dll");
    ASSERT_EQ(report.warnings.size(), 2u);
    EXPECT_EQ(report.warnings[0].line, 3);
    EXPECT_EQ(report.warnings[1].line, 5);
}

}  // namespace

namespace {

TEST(DescriptionReportText, NamesTheRegistryKeyOfARegistryVersionSource)
{
    std::ostringstream out;
    writeTextReport(check("I=1;C:\\Tool\\\nU=2;Software\\Tool;Build\nD\na.dll\n"), out,
                    [](const std::string& bytes) { return bytes; });
    EXPECT_NE(out.str().find("HKEY_CURRENT_USER\\Software\\Tool Build\n"), std::string::npos)
        << out.str();
}

}  // namespace
