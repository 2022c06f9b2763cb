// The rehearsal on real folders: the program's engine carries out the
// description on a copy, the list says what changed there, and nothing
// outside the rehearsal's own folders changes.
#include "tools/check/CheckTexts.h"
#include "tools/check/Rehearsal.h"
#include "tools/check/RehearsalReport.h"

#include "engine/ApplyCommand.h"
#include "tests/support/CommandFolders.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Every file and folder below folder, with the files' bytes.
void snapshotInto(const std::string& top, const std::string& relative,
                  std::map<std::string, std::string>& out)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((top + relative + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out[relative + name + "\\"];
            snapshotInto(top, relative + name + "\\", out);
        } else {
            out[relative + name] = readBytes(top + relative + name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::map<std::string, std::string> snapshot(const std::string& folder)
{
    std::map<std::string, std::string> entries;
    snapshotInto(folder, "", entries);
    return entries;
}

// The rehearsal's folders that are still in the temporary folder.
std::vector<std::string> leftOverFolders()
{
    char temporary[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temporary);
    std::string pattern = std::string(temporary) + "brantlewick-rehearsal-" +
                          std::to_string(GetCurrentProcessId()) + "-*";
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::vector<std::string> texts(const std::vector<RehearsalLine>& lines)
{
    std::vector<std::string> out;
    for (const RehearsalLine& line : lines) {
        std::string text = std::string(rehearsalKindName(line.kind)) + " " + line.subject;
        out.push_back(line.detail.empty() ? text : text + " | " + line.detail);
    }
    return out;
}

std::string versionOf(const RehearsedUpdate& update)
{
    for (const RehearsalLine& line : update.lines) {
        if (line.kind == RehearsalKind::Version)
            return line.subject;
    }
    return "(no version line)";
}

class RehearsalTest : public ::testing::Test {
protected:
    void SetUp() override { backupFolder().clear(); }
    void TearDown() override { backupFolder().clear(); }

    // The folder that holds the install folder, the patch folder and the
    // working folder of the test: what lies outside the install folder.
    std::string root() const
    {
        const std::string& install = folders.install();
        return install.substr(0, install.size() - std::string("install\\").size());
    }
    void describe(const std::string& text, const std::string& patch = "") const
    {
        folders.putSource(patch + "brantlewick.dat", text);
    }
    Rehearsal rehearseWith(const RehearsalOptions& options,
                           const std::vector<std::string>& patches) const
    {
        Rehearsal rehearsal;
        std::string error;
        EXPECT_TRUE(rehearse(folders.install(), patches, options, rehearsal, error)) << error;
        return rehearsal;
    }
    Rehearsal rehearseWith(const RehearsalOptions& options = {}) const
    {
        return rehearseWith(options, {folders.source()});
    }

    CommandFolders folders{"rehearsal"};
    // Any message box or dialog fails the test.
    ScriptedUser user;
};

TEST_F(RehearsalTest, ListsWhatEveryKindOfRecordChangesAndLeavesTheInstallFolderAlone)
{
    folders.putInstalled("a.dll", "old a");
    folders.putInstalled("app.exe", "MZ0123456789");
    folders.putInstalled("app.ini", "[Main]\r\nVersion=5\r\n");
    folders.putInstalled("data.bin", "0123456789abcdef");
    folders.putInstalled("old\\x.txt", "x");
    folders.putInstalled("old\\sub\\y.txt", "y");
    folders.putInstalled("readme.txt", "read me");
    folders.putInstalled(".keep", "a name the engine's own walks pass over");
    folders.putSource("a.dll", "new a");
    folders.putSource("part.bin", "PART");
    folders.putSource("setup.exe", "not a program");
    folders.putSource("late.dll", "late");
    // The I line names a folder that does not exist: the rehearsal works on
    // the install folder it is given.  The first "end" stops the run only
    // when the copy lacks the file whose name begins with ".".
    describe("T=Tool\nV=6\nCM=150\nI=1;C:\\nowhere\\\nU=1;app.ini;Main;Version\nD\n"
             "end;0;.keep;%1 lost a file\n"
             "c;backup%1\\\n"
             "u;a.dll;a.dll;%backup%a.dll\n"
             "d;old\\;%backup%old\\\n"
             "i;app.ini;Main,Mode,fast\n"
             "r;readme.txt;readme-old.txt\n"
             "b;app.exe;4,3;41 42 43\n"
             "o;part.bin;data.bin;0,8,0\n"
             "e;setup.exe;/quiet\n"
             "end;1;app.exe;%1 is new\n"
             "u;late.dll;late.dll\n");
    std::map<std::string, std::string> installedBefore = snapshot(folders.install());

    Rehearsal rehearsal = rehearseWith();

    ASSERT_EQ(rehearsal.updates.size(), 1u);
    const RehearsedUpdate& update = rehearsal.updates[0];
    EXPECT_EQ(update.end, UpdateEnd::EndRecord);
    EXPECT_EQ(update.endLine, 16);
    EXPECT_EQ(update.endMessage, "Tool is new");
    EXPECT_EQ(texts(update.lines), (std::vector<std::string>{
                                       "ini app.ini [Main] Mode = fast",
                                       "opened setup.exe | /quiet",
                                       "patched app.exe",
                                       "patched data.bin",
                                       "renamed readme.txt | readme-old.txt",
                                       "version ini app.ini [Main] Version = 6",
                                   }));
    EXPECT_EQ(texts(rehearsal.changes), (std::vector<std::string>{
                                            "created backup00000000\\",
                                            "created backup00000000\\a.dll",
                                            "created backup00000000\\old\\",
                                            "created backup00000000\\old\\sub\\",
                                            "created backup00000000\\old\\sub\\y.txt",
                                            "created backup00000000\\old\\x.txt",
                                            "created readme-old.txt",
                                            "removed old\\",
                                            "removed old\\sub\\",
                                            "removed old\\sub\\y.txt | backup00000000\\old\\sub\\y.txt",
                                            "removed old\\x.txt | backup00000000\\old\\x.txt",
                                            "removed readme.txt | readme-old.txt",
                                            "replaced a.dll | backup00000000\\a.dll",
                                            "replaced app.exe",
                                            "replaced app.ini",
                                            "replaced data.bin",
                                        }));
    EXPECT_TRUE(rehearsal.working.empty()) << texts(rehearsal.working)[0];
    EXPECT_TRUE(rehearsal.clean());
    EXPECT_EQ(snapshot(folders.install()), installedBefore);
    EXPECT_TRUE(leftOverFolders().empty()) << leftOverFolders()[0];
}

TEST_F(RehearsalTest, RefusesRecordsWhosePathsLeadOutOfTheirFolders)
{
    const std::string outside = root() + "outside\\";
    CreateDirectoryA(outside.c_str(), nullptr);
    struct Case {
        int commandMode;
        std::string line;
    };
    const Case cases[] = {
        {150, "u;a.dll;..\\outside\\a.dll"},
        {150, "u;a.dll;a.dll;" + outside + "a%1.dll"},
        {150, "d;a.dll;" + outside + "a%1.dll"},
        {150, "d;..\\outside\\"},
        {150, "c;bak\\..\\..\\outside\\b%1\\"},
        {150, "c;a.dll;..\\outside\\a.dll"},
        {150, "r;a.dll;..\\outside\\a.dll"},
        {150, "m;..\\outside\\made\\"},
        {150, "i;..\\outside\\x.ini;Main,Key,value"},
        {150, "o;a.dll;..\\outside\\x.bin;0,0,0"},
        {150, "g;0," + outside + ",4,1,2;index.dat,1,0"},
        {150, "g;0,..\\outside\\,4,1,2;index.dat,1,0"},
        {150, "g;0,in\\,4,1,2;..\\outside\\index.dat,1,0"},
        {100, "a.dll;..\\outside\\a.dll"},
        {100, "a.dll;a.dll;" + outside + "a%1.dll"},
        {100, "..\\outside\\x.dll;a.dll"},
    };
    folders.putInstalled("a.dll", "old a");
    folders.putSource("a.dll", "new a");
    folders.putSource("b.dll", "new b");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        // The line after the refused one still runs.
        std::string next = c.commandMode == 100 ? "b.dll" : "u;b.dll;b.dll";
        describe("T=Tool\nCM=" + std::to_string(c.commandMode) + "\nD\n" + c.line + "\n" + next +
                 "\n");
        std::map<std::string, std::string> installedBefore = snapshot(folders.install());

        Rehearsal rehearsal = rehearseWith();

        ASSERT_EQ(rehearsal.updates.size(), 1u);
        EXPECT_EQ(texts(rehearsal.updates[0].lines),
                  (std::vector<std::string>{"refused " + c.line + " | 4", "version none"}));
        EXPECT_EQ(texts(rehearsal.changes), (std::vector<std::string>{"created b.dll"}));
        EXPECT_FALSE(rehearsal.clean());
        EXPECT_TRUE(snapshot(outside).empty()) << snapshot(outside).begin()->first;
        EXPECT_EQ(snapshot(folders.install()), installedBefore);
    }
}

TEST_F(RehearsalTest, RecordsTheVersionOnlyWhereTheProgramWould)
{
    const char* const kRegistryKey = "Software\\brantlewick-rehearsal-test";
    struct Case {
        const char* name;
        std::string header;  // after "T=Tool\n"
        std::string section;
        UpdateEnd end;
        std::string version;
    };
    const std::string ini = "U=1;app.ini;Version;Build\n";
    const Case cases[] = {
        {"a copied file", "V=6\nCM=100\n" + ini, "a.dll\n", UpdateEnd::Finished,
         "ini app.ini [Version] Build = 6"},
        {"a failed copy", "V=6\nCM=100\n" + ini, "a.dll\nmissing.dll\n", UpdateEnd::Failed,
         "none"},
        {"no format", "V=6\nCM=50\n" + ini, "a.dll\n", UpdateEnd::NoFormat, "none"},
        {"no record", "V=6\nCM=150\n" + ini, "; a comment\nx;unknown\n", UpdateEnd::EmptyList,
         "none"},
        {"the installed version", "V=5\nCM=100\n" + ini, "a.dll\n", UpdateEnd::VersionGate,
         "none"},
        {"a failed record", "V=6\nCM=150\n" + ini, "u;missing.dll;a.dll\n", UpdateEnd::Finished,
         "ini app.ini [Version] Build = 6"},
        {"an end record", "V=6\nCM=150\n" + ini, "end;0;missing.txt;done\nu;a.dll;a.dll\n",
         UpdateEnd::EndRecord, "ini app.ini [Version] Build = 6"},
        {"no version source", "V=6\nCM=100\n", "a.dll\n", UpdateEnd::Finished, "none"},
        {"the registry", "V=6\nCM=100\nU=2;" + std::string(kRegistryKey) + ";Build\n", "a.dll\n",
         UpdateEnd::Finished,
         "registry HKEY_CURRENT_USER\\" + std::string(kRegistryKey) + " Build = 6"},
        {"a settings file", "V=0x10\nCM=100\nU=4;product.rnf;Ver\n", "a.dll\n",
         UpdateEnd::Finished, "settings product.rnf Ver = 16"},
        {"a version file outside", "V=6\nCM=100\nU=1;..\\app.ini;Version;Build\n", "a.dll\n",
         UpdateEnd::Finished, "none"},
    };
    folders.putInstalled("a.dll", "old a");
    folders.putInstalled("app.ini", "[Version]\r\nBuild=5\r\n");
    folders.putInstalled("product.rnf", "Ver=5\n");
    folders.putSource("a.dll", "new a");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        describe("T=Tool\n" + c.header + "D\n" + c.section);

        Rehearsal rehearsal = rehearseWith();

        ASSERT_EQ(rehearsal.updates.size(), 1u);
        EXPECT_EQ(rehearsal.updates[0].end, c.end);
        EXPECT_EQ(versionOf(rehearsal.updates[0]), c.version);
        // The version's file changes in the copy exactly when it is recorded there.
        std::vector<std::string> changes = texts(rehearsal.changes);
        bool iniChanged = std::find(changes.begin(), changes.end(), "replaced app.ini") != changes.end();
        EXPECT_EQ(iniChanged, c.version.rfind("ini ", 0) == 0);
    }
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    if (key != nullptr) {
        RegCloseKey(key);
        RegDeleteKeyA(HKEY_CURRENT_USER, kRegistryKey);
    }
}

TEST_F(RehearsalTest, BackupNamesOutsideTheInstallFolderLandInTheWorkingFolder)
{
    folders.putInstalled("a.dll", "old a");
    folders.putInstalled("b.dll", "old b");
    folders.putSource("b.dll", "new b");
    // A delete's backup name is taken as written; "%backup%" before any
    // backup folder is made stays as it is.
    describe("T=Tool\nCM=150\nD\nd;a.dll;old-a%1.dll\nu;b.dll;b.dll;%backup%b.dll\n");

    Rehearsal rehearsal = rehearseWith();

    EXPECT_EQ(texts(rehearsal.changes),
              (std::vector<std::string>{"removed a.dll", "replaced b.dll"}));
    EXPECT_EQ(texts(rehearsal.working),
              (std::vector<std::string>{"working %backup%b.dll", "working old-a00000000.dll"}));
    EXPECT_TRUE(snapshot(folders.work()).empty()) << snapshot(folders.work()).begin()->first;
}

TEST_F(RehearsalTest, AppliesTheSelectionDialogsEntryFromItsOwnFolder)
{
    folders.putInstalled("app.exe", "ap01");
    folders.putSource("v1\\app.exe", "one");
    folders.putSource("v2\\app.exe", "two");
    // Entry 0 is applied already: app.exe begins with "ap".
    describe("T=Tool\nCM=150\n"
             "M=0;0;app.exe;97 112 255 255;v1\\;1.1;first\n"
             "M=1;0;v20.chk;1 2 3 4;v2\\;2.0;second\n"
             "D\nu;app.exe;app.exe\ne;setup.exe\n");
    struct Case {
        RehearsalOptions options;
        std::int32_t number;
        UpdateEnd end;
        bool reapplied;
        std::vector<std::string> lines;
        std::vector<std::string> changes;
    };
    const Case cases[] = {
        {{}, 0, UpdateEnd::Finished, true, {"opened v1\\setup.exe", "version none"},
         {"replaced app.exe"}},
        {{-1, false}, 0, UpdateEnd::NotReapplied, true, {"version none"}, {}},
        {{1, false}, 1, UpdateEnd::Finished, false, {"opened v2\\setup.exe", "version none"},
         {"replaced app.exe"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Rehearsal rehearsal = rehearseWith(c.options);

        ASSERT_EQ(rehearsal.updates.size(), 1u);
        const RehearsedUpdate& update = rehearsal.updates[0];
        EXPECT_EQ(update.patchNumber, c.number);
        EXPECT_EQ(update.end, c.end);
        EXPECT_EQ(update.reapplied, c.reapplied);
        EXPECT_EQ(texts(update.lines), c.lines);
        EXPECT_EQ(texts(rehearsal.changes), c.changes);
    }

    Rehearsal rehearsal;
    std::string error;
    EXPECT_FALSE(rehearse(folders.install(), {folders.source()}, {5, true}, rehearsal, error));
    EXPECT_NE(error.find("patch 5"), std::string::npos) << error;
}

TEST_F(RehearsalTest, UpdatesInTurnWorkOnOneCopy)
{
    folders.putInstalled("a.dll", "old a");
    folders.putInstalled("app.ini", "[Version]\r\nBuild=5\r\n");
    const std::string copyList = "CM=100\nU=1;app.ini;Version;Build\nD\na.dll;a.dll;bak\\a%1.dll\n";
    describe("T=Tool\nV=6\n" + copyList, "first\\");
    folders.putSource("first\\a.dll", "a 6");
    describe("T=Tool\nV=7\n" + copyList, "next\\");
    folders.putSource("next\\a.dll", "a 7");

    Rehearsal rehearsal =
        rehearseWith({}, {folders.source() + "first", folders.source() + "next\\"});

    ASSERT_EQ(rehearsal.updates.size(), 2u);
    EXPECT_EQ(versionOf(rehearsal.updates[0]), "ini app.ini [Version] Build = 6");
    EXPECT_EQ(versionOf(rehearsal.updates[1]), "ini app.ini [Version] Build = 7");
    EXPECT_EQ(texts(rehearsal.changes), (std::vector<std::string>{
                                            "created bak\\",
                                            "created bak\\a00000000.dll",
                                            "created bak\\a00000001.dll",
                                            "replaced a.dll | bak\\a00000000.dll",
                                            "replaced app.ini",
                                        }));
}

TEST(RehearsalReport, PrintsAHeadingForEachUpdateThenOneChangeALine)
{
    Rehearsal rehearsal;
    RehearsedUpdate update;
    update.patchFolder = "C:\\patch\\";
    update.end = UpdateEnd::EndRecord;
    update.endLine = 15;
    update.endMessage = "Tool is new";
    update.patchNumber = 1;
    update.patchLabel = "2.0";
    update.lines = {{RehearsalKind::Renamed, "readme.txt", "readme-old.txt"},
                    {RehearsalKind::Version, "registry HKEY_CURRENT_USER\\Software\\Tool Build = 6", ""}};
    rehearsal.updates.push_back(update);
    rehearsal.changes = {{RehearsalKind::Created, "bak\\a00000000.dll", ""},
                         {RehearsalKind::Replaced, "a.dll", "bak\\a00000000.dll"}};
    rehearsal.working = {{RehearsalKind::Working, "old-a00000000.dll", ""}};
    std::ostringstream out;

    writeRehearsal(rehearsal, "C:\\Tool", out, [](const std::string& text) { return text; });

    using namespace checktexts;
    EXPECT_EQ(out.str(), std::string(kRehearsalOf) + "C:\\Tool" + kRehearsalCopy + "\n" +
                             kUpdate + "1: C:\\patch\\\n" +
                             "  " + kPatch + "1: 2.0\n" +
                             "  15" + kEndRecord + "Tool is new\n" +
                             "  " + kRegistryNotWritten + "\n" +
                             "renamed\treadme.txt\treadme-old.txt\n"
                             "version\tregistry HKEY_CURRENT_USER\\Software\\Tool Build = 6\n" +
                             kInstallChanges + "\n" +
                             "created\tbak\\a00000000.dll\n"
                             "replaced\ta.dll\tbak\\a00000000.dll\n" +
                             kWorkingFiles + "\n" +
                             "working\told-a00000000.dll\n");
}

}  // namespace
