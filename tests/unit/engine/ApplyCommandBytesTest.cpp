// INI keys, byte patches, range copies, the archive command's fields, and
// records no description file should hold.
#include "EngineTestSupport.h"

#include "engine/ArchiveSettings.h"
#include "foundation/files/FileExceptions.h"
#include "tests/support/ScriptedUser.h"
#include "tests/unit/foundation/files/ExpectedTexts.h"

#include <windows.h>

namespace {

class ApplyBytes : public EngineTest {
protected:
    CommandFolders folders{"bw-apply-bytes"};

    std::string iniValue(const char* section, const char* key)
    {
        char value[256] = {};
        GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value,
                                 (folders.install() + "app.ini").c_str());
        return value;
    }
};

TEST_F(ApplyBytes, IniWritesTheKeyAndKeepsBlanksInsideFields)
{
    folders.putInstalled("app.ini", "[Main]\r\nName=Product\r\n");
    EXPECT_TRUE(applyLine(folders, "i;app.ini;Main,Version,2"));
    EXPECT_EQ(iniValue("Main", "Version"), "2");
    EXPECT_EQ(iniValue("Main", "Name"), "Product");
    // The blank stays in the key handed to the system, whose profile
    // functions pass over blanks around key names.
    EXPECT_TRUE(applyLine(folders, "i;app.ini;Main, Version,3"));
    EXPECT_EQ(iniValue("Main", "Version"), "3");
    EXPECT_TRUE(applyLine(folders, "i;app.ini;Main,Note, two words "));
    EXPECT_EQ(iniValue("Main", "Note"), "two words") << folders.installed("app.ini");
    // An empty value keeps the key with an empty text; a missing file is made.
    EXPECT_TRUE(applyLine(folders, "i;app.ini;Main,Name,"));
    EXPECT_EQ(iniValue("Main", "Name"), "");
    EXPECT_TRUE(applyLine(folders, "i;new.ini;Sec,Key,1"));
    EXPECT_TRUE(folders.isInstalled("new.ini"));
    EXPECT_FALSE(pathExists(folders.work() + "temp$$$.ini"));
}

TEST_F(ApplyBytes, IniEditOfAReadOnlyFileTakesTheKey)
{
    folders.putInstalled("app.ini", "[Main]\r\nVersion=1\r\n");
    SetFileAttributesA((folders.install() + "app.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(applyLine(folders, "i;app.ini;Main,Version,2"));
    EXPECT_EQ(iniValue("Main", "Version"), "2");
}

TEST_F(ApplyBytes, IniFileThatCannotBeReplacedIsKeptAsItWasAndTheRecordFails)
{
    const std::string before = "[Main]\r\nVersion=1\r\n";
    const std::string path = folders.install() + "app.ini";
    folders.putInstalled("app.ini", before);
    // Another program reads the file and lets nobody write it: the edited
    // copy cannot go back, the user is asked as for any file in use, and
    // after Cancel the file is as it was and the key counts as not written.
    HANDLE reader =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    {
        ScriptedUser user;
        user.expectBox("FCFileUty - remove", path + expected::kUtyRemoveInUse, IDCANCEL);
        EXPECT_EQ(carry(folders, "i;app.ini;Main,Version,2"), CommandResult::WriteFailed);
    }
    EXPECT_EQ(folders.installed("app.ini"), before);
    EXPECT_FALSE(pathExists(folders.work() + "temp$$$.ini"));

    // Retry once the other program has let go takes the key.
    ScriptedUser user;
    user.expectBox("FCFileUty - remove", path + expected::kUtyRemoveInUse, IDRETRY,
                   [reader](HWND) { CloseHandle(reader); });
    EXPECT_EQ(carry(folders, "i;app.ini;Main,Version,2"), CommandResult::Done);
    EXPECT_EQ(iniValue("Main", "Version"), "2");
}

TEST_F(ApplyBytes, BytePatches)
{
    const std::string original(512, '.');
    struct Case {
        const char* line;
        std::size_t offset;
        std::string bytes;
    } cases[] = {
        {"b;app.exe;0x1F0, 3;90 90 C3", 496, "\x90\x90\xC3"},
        {"b;app.exe;16,4;FF", 16, std::string("\xFF\0\0\0", 4)},
        {"b;app.exe;\t0b10,2;0a   0B 77", 2, "\x0A\x0B"},
        // Tokens are bare hexadecimal digits: "0x" and other letters read 0.
        {"b;app.exe;8,3;0x41 zz 1FF", 8, std::string("\0\0\xFF", 3)},
    };
    for (const Case& c : cases) {
        folders.putInstalled("app.exe", original);
        EXPECT_TRUE(applyLine(folders, c.line)) << c.line;
        std::string expected = original;
        expected.replace(c.offset, c.bytes.size(), c.bytes);
        EXPECT_EQ(folders.installed("app.exe"), expected) << c.line;
    }
}

TEST_F(ApplyBytes, BytePatchesThatWriteNothing)
{
    const std::string original(64, '.');
    for (const char* line : {"b;app.exe;4,0;FF", "b;app.exe;4,-2;FF", "b;app.exe;-4,2;FF FF"}) {
        folders.putInstalled("app.exe", original);
        EXPECT_TRUE(applyLine(folders, line)) << line;
        EXPECT_EQ(folders.installed("app.exe"), original) << line;
    }
    EXPECT_TRUE(applyLine(folders, "b;missing.exe;0,1;FF"));
    EXPECT_FALSE(folders.isInstalled("missing.exe"));
}

TEST_F(ApplyBytes, RangeCopies)
{
    const std::string source = "0123456789";
    const std::string target(2048, '-');
    struct Case {
        const char* line;
        std::size_t at;
        std::string bytes;
    } cases[] = {
        {"o;new.bin;old.bin;0,1024,0", 1024, source},
        {"o;new.bin;old.bin;3, 0, 4", 0, "3456"},
        {"o;new.bin;old.bin;8,2040,100", 2040, "89"},
        {"o;new.bin;old.bin;10,0,0", 0, ""},
        {"o;new.bin;old.bin;99,0,5", 0, ""},
        {"o;new.bin;old.bin;-3,0,0", 0, ""},
    };
    folders.putSource("new.bin", source);
    for (const Case& c : cases) {
        folders.putInstalled("old.bin", target);
        EXPECT_TRUE(applyLine(folders, c.line)) << c.line;
        std::string expected = target;
        expected.replace(c.at, c.bytes.size(), c.bytes);
        EXPECT_EQ(folders.installed("old.bin"), expected) << c.line;
    }
    // The destination grows when the range goes past its end.
    folders.putInstalled("old.bin", "ab");
    EXPECT_TRUE(applyLine(folders, "o;new.bin;old.bin;0,1,0"));
    EXPECT_EQ(folders.installed("old.bin"), "a" + source);
    // Both files must exist.
    EXPECT_TRUE(applyLine(folders, "o;new.bin;none.bin;0,0,0"));
    EXPECT_FALSE(folders.isInstalled("none.bin"));
}

TEST_F(ApplyBytes, CancelInTheFilePromptLeavesTheFileAsItWas)
{
    const std::string original(64, '.');
    folders.putInstalled("app.exe", original);
    folders.putSource("new.bin", "xyz");
    HANDLE other = holdWithoutSharing(folders.install() + "app.exe");
    ScriptedUser user;
    user.expectDialog("FCFile - open", IDCANCEL);
    EXPECT_THROW(applyLine(folders, "b;app.exe;0,2;41 42"), FileGivenUpException);
    user.expectDialog("FCFile - open", IDCANCEL);
    EXPECT_THROW(applyLine(folders, "o;new.bin;app.exe;0,0,0"), FileGivenUpException);
    CloseHandle(other);
    EXPECT_EQ(folders.installed("app.exe"), original);
}

TEST_F(ApplyBytes, ArchiveCommandFields)
{
    FCString line("g;0x181, data\\voice, 3, 100, 199;sound\\res2200.grp, 0x22, 2");
    CMD_DATA_ record;
    ASSERT_TRUE(parseCommandLine(line, record));
    ArchiveSettings settings;
    FCString index;
    readArchiveCommand(record, "C:\\App\\", settings, index);
    EXPECT_EQ(settings.options, 0x181u);
    EXPECT_STREQ(settings.inputFolder.text(), "data\\voice");
    EXPECT_EQ(settings.nameDigits, 3);
    EXPECT_EQ(settings.firstId, 100);
    EXPECT_EQ(settings.lastId, 199);
    EXPECT_EQ(settings.resourceKind, 0x22u);
    EXPECT_EQ(settings.groupNumber, 2);
    EXPECT_STREQ(index.text(), "C:\\App\\sound\\res2200.grp");
    EXPECT_STREQ(settings.outputFolder.text(), "C:\\App\\sound\\");
    EXPECT_EQ(settings.maxFileSize, 0x20000000u);
    EXPECT_TRUE(applyCommand(record, "C:\\patch\\", "C:\\App\\"));
}

TEST_F(ApplyBytes, RecordsWithEmptyHugeAndDoubleByteParametersDoNotCrash)
{
    // 表 ends in the byte "\\", so a path walker that goes byte by byte cuts
    // inside it.
    const std::string huge(10000, 'a');
    std::string doubleByte;
    for (int i = 0; i < 40; ++i)
        doubleByte += "\x95\x5C";
    const std::string texts[] = {"", huge, huge + "\\", doubleByte, doubleByte + "\\%1",
                                 "%backup%" + doubleByte};
    folders.putInstalled("app.exe", "app");
    // No box may come up either: the scripted user fails the test for any.
    ScriptedUser user;
    for (std::int32_t type = CMD_UPDATE; type <= CMD_END + 1; ++type) {
        if (type == CMD_RUN)
            continue;  // opening a program is left to the test that checks it
        for (const std::string& text : texts) {
            CMD_DATA_ record;
            FCString p(text.c_str());
            for (int which = 0; which < 3; ++which) {
                record.set(type, which == 0 ? p : FCString("app.exe"), which == 1 ? p : FCString("0,1"),
                           which == 2 ? p : FCString("41"));
                SCOPED_TRACE(::testing::Message() << "kind " << type << ", parameter " << which + 1
                                                  << ", " << text.size() << " bytes");
                applyCommand(record, folders.source().c_str(), folders.install().c_str());
            }
        }
    }
}

}  // namespace
