#include "app/HeaderReader.h"
#include "app/VersionSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kHelpDefault[] = "\203w\203\213\203v";  // ヘルプ

// Hands I and U lines to the run's own version-source parser; an I line
// takes its value as the install folder (as "I=1;folder" does) and answers
// with the result the test asks for.
class RecordingHandler : public HeaderLineHandler {
public:
    int installLine(RunSettings& settings, FCString& value) override
    {
        installValues.emplace_back(value.rest());
        settings.installFolder = value.rest();
        return installResult;
    }
    void versionSourceLine(RunSettings& settings, FCString& value) override
    {
        versionValues.emplace_back(value.rest());
        parseVersionSource(settings, value);
    }

    int installResult = 0;
    std::vector<std::string> installValues;
    std::vector<std::string> versionValues;
};

struct Header {
    RunSettings settings;
    RecordingHandler handler;
    FCString text;
    HeaderResult result{HeaderEnd::NoMoreLines, 0};

    explicit Header(const std::string& description, int installResult = 0)
    {
        handler.installResult = installResult;
        text.assign(description.data(), description.size());
        result = readHeader(text, settings, handler);
    }
    // The next line of the description text after the header.
    std::string nextLine()
    {
        FCString line;
        return text.readLine(line, true, false) ? line.text() : "<none>";
    }
};

TEST(HeaderReader, StopsAtTheFirstDLineWithTheCursorBehindIt)
{
    Header h("T=Tool\r\nDATA\r\nu;a.dll;a.dll\r\nD\r\n");
    EXPECT_EQ(h.result.end, HeaderEnd::DLine);
    EXPECT_TRUE(h.settings.headerComplete);
    EXPECT_STREQ(h.settings.productName.text(), "Tool");
    EXPECT_EQ(h.nextLine(), "u;a.dll;a.dll");
    EXPECT_EQ(h.nextLine(), "D");
}

TEST(HeaderReader, WithoutADLineEveryLineIsHeaderAndDefaultsApply)
{
    Header h("CM=150\n;D=comment\nT=x\n");
    EXPECT_EQ(h.result.end, HeaderEnd::NoMoreLines);
    EXPECT_FALSE(h.settings.headerComplete);
    EXPECT_EQ(h.settings.commandMode, 150);
    EXPECT_STREQ(h.settings.caption.text(), "brantlewick");
    EXPECT_STREQ(h.settings.executableName.text(), "brantlewick.exe");
    EXPECT_STREQ(h.settings.helpLabel.text(), kHelpDefault);
}

TEST(HeaderReader, ValueSyntax)
{
    struct Case {
        const char* line;
        const char* caption;
    } cases[] = {
        {"CAPTION = My Tool ;x", "My Tool "},
        {"CA=Tool", "Tool"},
        {"CA==\t Tool", "Tool"},
        {"CA=;; Tool;", " Tool"},
        {"CA Tool", "brantlewick"},  // no "=": the value is empty
        {"CA=", "brantlewick"},
        {"CA=;;;", "brantlewick"},
        {"ca=Tool", "brantlewick"},
        {"c=Tool", "brantlewick"},
        {"CX=Tool", "brantlewick"},
        {"  \tCA=Indented", "Indented"},
    };
    for (const Case& c : cases) {
        Header h(std::string(c.line) + "\nD\n");
        EXPECT_STREQ(h.settings.caption.text(), c.caption) << c.line;
    }
}

TEST(HeaderReader, RepeatedKeysKeepTheLastNonEmptyValue)
{
    Header h("T=First\nT=Second\nT=\nCM=0x96\nCM=\nE=up.exe\nD\n");
    EXPECT_STREQ(h.settings.productName.text(), "Second");
    EXPECT_EQ(h.settings.commandMode, 150);
    EXPECT_STREQ(h.settings.executableName.text(), "up.exe");
}

TEST(HeaderReader, CommandModeIsResetWhenReadingStarts)
{
    RunSettings settings;
    settings.commandMode = 7;
    RecordingHandler handler;
    FCString text("D\n");
    readHeader(text, settings, handler);
    EXPECT_EQ(settings.commandMode, 100);
}

TEST(HeaderReader, NewVersion)
{
    Header given("V=0x10;x\nD\n");
    EXPECT_TRUE(given.settings.newVersionGiven);
    EXPECT_STREQ(given.settings.newVersion.text(), "0x10");
    Header empty("V\nD\n");
    EXPECT_TRUE(empty.settings.newVersionGiven);
    EXPECT_STREQ(empty.settings.newVersion.text(), "");
    EXPECT_EQ(empty.settings.newVersion.toInt(), 0);
    Header none("D\n");
    EXPECT_FALSE(none.settings.newVersionGiven);
}

TEST(HeaderReader, HelpButton)
{
    Header ignored("H=1,Web,readme.html\nD\n");
    EXPECT_STREQ(ignored.settings.helpLabel.text(), kHelpDefault);
    EXPECT_STREQ(ignored.settings.helpTarget.text(), "");
    Header set("H=0, Manual , docs\\manual.html,x\nD\n");
    EXPECT_STREQ(set.settings.helpLabel.text(), "Manual ");
    EXPECT_STREQ(set.settings.helpTarget.text(), "docs\\manual.html,x");
    Header cut("H=0,Web,http://example.invalid/a;b\nD\n");
    EXPECT_STREQ(cut.settings.helpTarget.text(), "http://example.invalid/a");
}

TEST(HeaderReader, SiteKeysCompareTheWholeNameInAnyCase)
{
    Header h("SITE_URL = a;b c\nSite_Expl=Our\tsite\nD\n");
    EXPECT_STREQ(h.settings.siteUrl.text(), "a;b c");
    EXPECT_STREQ(h.settings.siteLabel.text(), "Our");
    Header lower("site_url=x\nD\n");
    EXPECT_STREQ(lower.settings.siteUrl.text(), "");
    Header other("SITE=x\nSITE_URLS=y\nSx=z\nD\n");
    EXPECT_STREQ(other.settings.siteUrl.text(), "");
    EXPECT_STREQ(other.settings.siteLabel.text(), "");
}

TEST(HeaderReader, PatchEntryFields)
{
    Header h("M=1;0;a.bin;;1 2 3 4;src;Label;Desc\nD\n");
    ASSERT_EQ(h.settings.patchEntries.size(), 1u);
    const PatchEntry* e = h.settings.patchEntries.find(1);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->conditionMode, 0);
    EXPECT_STREQ(e->checkFile.text(), "a.bin");
    EXPECT_EQ(std::vector<int>(e->signature, e->signature + 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_STREQ(e->sourceFolder.text(), "src");
    EXPECT_STREQ(e->label.text(), "Label");
    EXPECT_STREQ(e->description.text(), "Desc");
}

TEST(HeaderReader, SignatureNumbers)
{
    struct Case {
        const char* line;
        std::vector<int> signature;
    } cases[] = {
        {"M=0;0;f;255 1 255 255", {255, 1, 255, 255}},
        {"M=0;0;f;256  0x41 0b11", {0, 0x41, 3, 0}},
        {"M=0;0;f;1.0.2.3", {1, 0, 0, 0}},
        {"M=0;0;f;1 2 3 4 5", {1, 2, 3, 4}},
        {"M=0;1;f;1 2 3 4", {0, 0, 0, 0}},  // only mode 0 has a signature
        {"M=0;0;f", {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        Header h(std::string(c.line) + "\nD\n");
        const PatchEntry* e = h.settings.patchEntries.find(0);
        ASSERT_NE(e, nullptr) << c.line;
        EXPECT_EQ(std::vector<int>(e->signature, e->signature + 4), c.signature) << c.line;
    }
}

TEST(HeaderReader, PatchEntriesAreKeptOncePerNumberInOrder)
{
    Header h("M=2;0;x;0;b;Second\nM=1;0;y;0;a;First\nM=2;0;z;0;c;Again\nM=-1;5\nD\n");
    ASSERT_EQ(h.settings.patchEntries.size(), 3u);
    EXPECT_STREQ(h.settings.patchEntries.find(2)->label.text(), "Second");
    EXPECT_EQ(h.settings.patchEntries.find(-1)->conditionMode, 5);
    EXPECT_STREQ(h.settings.patchEntries.find(-1)->label.text(), "");
    std::vector<int> order;
    for (const auto& entry : h.settings.patchEntries)
        order.push_back(entry.first);
    EXPECT_EQ(order, (std::vector<int>{-1, 1, 2}));
    Header none("M=\nD\n");
    EXPECT_EQ(none.settings.patchEntries.size(), 0u);
}

TEST(HeaderReader, AnInstallLineThatFailsEndsReadingAtOnce)
{
    Header h("T=Tool\nI=2;Software\\X;Path\nT=Later\nD\n", 1);
    EXPECT_EQ(h.result.end, HeaderEnd::InstallFailed);
    EXPECT_EQ(h.result.installResult, 1);
    EXPECT_STREQ(h.settings.productName.text(), "Tool");
    EXPECT_FALSE(h.settings.headerComplete);
    ASSERT_EQ(h.handler.installValues.size(), 1u);
    EXPECT_EQ(h.handler.installValues[0], "2;Software\\X;Path");
}

TEST(HeaderReader, VersionSourceFollowsTheInstallFolderAsItIsThen)
{
    Header before("U=1;app.ini;Version;Build\nI=1;C:\\App\\\nD\n");
    EXPECT_EQ(before.settings.versionSource, 1);
    EXPECT_STREQ(before.settings.versionFile.text(), "app.ini");
    Header after("I=1;C:\\App\\\nU=1;app.ini;Version;Build\nD\n");
    EXPECT_STREQ(after.settings.versionFile.text(), "1;C:\\App\\app.ini");
    EXPECT_STREQ(after.settings.versionSection.text(), "Version");
    EXPECT_STREQ(after.settings.versionValueName.text(), "Build");
}

TEST(VersionSource, EveryType)
{
    struct Case {
        const char* line;
        int source;
        const char* file;
        const char* section;
        const char* name;
    } cases[] = {
        {"U=1;app.ini;Version;Build", 1, "app.ini", "Version", "Build"},
        {"U=2;Software\\Maker\\Tool;Ver", 2, "", "Software\\Maker\\Tool", "Ver"},
        {"U = 3 ;; Software\\Tool ; Ver", 3, "", "Software\\Tool ", "Ver"},
        {"U=4;tool.rnf;version", 4, "tool.rnf", "", "version"},
        {"U=7;x;y", 0, "", "", ""},
        {"U=x", 0, "", "", ""},
    };
    for (const Case& c : cases) {
        Header h(std::string(c.line) + "\nD\n");
        EXPECT_EQ(h.settings.versionSource, c.source) << c.line;
        EXPECT_STREQ(h.settings.versionFile.text(), c.file) << c.line;
        EXPECT_STREQ(h.settings.versionSection.text(), c.section) << c.line;
        EXPECT_STREQ(h.settings.versionValueName.text(), c.name) << c.line;
    }
    Header cleared("U=1;a.ini;S;K\nU=9\nD\n");
    EXPECT_EQ(cleared.settings.versionSource, 0);
    EXPECT_STREQ(cleared.settings.versionFile.text(), "");
    Header empty("U=1;a.ini;S;K\nU=\nD\n");
    EXPECT_EQ(empty.settings.versionSource, 1);
    EXPECT_TRUE(empty.handler.versionValues.size() == 1);
}

TEST(HeaderReader, LineEndsAndIndentationDoNotMatter)
{
    const char* variants[] = {
        "T=Tool\nV=3\nM=0;0;a;1 2;s;L;D\nD\nrest\n",
        "T=Tool\rV=3\rM=0;0;a;1 2;s;L;D\rD\rrest\r",
        "\r\n\r\n  T=Tool\r\n\r\n\tV=3\r\n   M=0;0;a;1 2;s;L;D\r\n\r\n D\r\nrest",
    };
    for (const char* v : variants) {
        Header h(v);
        EXPECT_EQ(h.result.end, HeaderEnd::DLine) << v;
        EXPECT_STREQ(h.settings.productName.text(), "Tool");
        EXPECT_STREQ(h.settings.newVersion.text(), "3");
        EXPECT_EQ(h.settings.patchEntries.find(0)->signature[1], 2);
        EXPECT_EQ(h.nextLine(), "rest");
    }
}

TEST(HeaderReader, DoubleByteValuesAreNeverSplit)
{
    // "表" and "ソ" end in "\\"; "；"-like bytes must not end a value.
    std::string product = std::string("\225\\\203\\") + "\201G";
    Header h("T=" + product + ";x\nCA=\203\\\nD\n");
    EXPECT_EQ(std::string(h.settings.productName.text()), product);
    EXPECT_STREQ(h.settings.caption.text(), "\203\\");
}

TEST(HeaderReader, AnyBytesAreTolerated)
{
    std::string binary;
    for (int i = 0; i < 512; ++i)
        binary += static_cast<char>((i * 37) & 0xFF);
    binary += "\201";  // a lone lead byte at the very end
    Header h(binary);
    EXPECT_NE(h.result.end, HeaderEnd::InstallFailed);
    Header longLine(std::string(100000, 'T') + "=x\nD\n");
    EXPECT_EQ(longLine.result.end, HeaderEnd::DLine);
}

}  // namespace
