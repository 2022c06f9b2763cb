// Updates, deletes, folders, backups, copies and renames on real folders.
#include "EngineTestSupport.h"

#include "tests/support/ScriptedUser.h"
#include "tests/unit/foundation/files/ExpectedTexts.h"

#include <windows.h>

namespace {

class ApplyFiles : public EngineTest {
protected:
    CommandFolders folders{"bw-apply-files"};
};

TEST_F(ApplyFiles, UpdateKeepsNumberedBackupsOfEveryReplacedFile)
{
    folders.putInstalled("a.dll", "old");
    folders.putSource("new\\a.dll", "new 1");
    EXPECT_TRUE(applyLine(folders, "u;new\\a.dll;a.dll;bak\\a%1.dll"));
    EXPECT_EQ(folders.installed("a.dll"), "new 1");
    EXPECT_EQ(folders.installed("bak\\a00000000.dll"), "old");

    folders.putSource("new\\a.dll", "new 2");
    EXPECT_TRUE(applyLine(folders, "u;new\\a.dll;a.dll;bak\\a%1.dll"));
    EXPECT_EQ(folders.installed("a.dll"), "new 2");
    EXPECT_EQ(folders.installed("bak\\a00000000.dll"), "old");
    EXPECT_EQ(folders.installed("bak\\a00000001.dll"), "new 1");
}

TEST_F(ApplyFiles, UpdateOfANewFileMakesTheFolderOfItsBackupAllTheSame)
{
    // Nothing to move yet, but a later record may put its backup there: a
    // copy into the folder succeeds only when the update made it.
    folders.putSource("a.dll", "new");
    folders.putInstalled("x.dll", "x");
    EXPECT_TRUE(applyLine(folders, "u;a.dll;a.dll;bak\\a%1.dll"));
    EXPECT_EQ(folders.installed("a.dll"), "new");
    EXPECT_FALSE(folders.isInstalled("bak\\a00000000.dll"));
    EXPECT_TRUE(applyLine(folders, "c;x.dll;bak\\x.dll"));
    EXPECT_EQ(folders.installed("bak\\x.dll"), "x");
}

TEST_F(ApplyFiles, UpdateWithoutItsSourceLeavesTheInstalledFileInPlace)
{
    folders.putInstalled("a.dll", "old");
    EXPECT_FALSE(applyLine(folders, "u;missing.dll;a.dll;bak\\a%1.dll"));
    EXPECT_EQ(folders.installed("a.dll"), "old");
    EXPECT_FALSE(folders.isInstalled("bak\\"));
}

TEST_F(ApplyFiles, UpdateDoesNotOverwriteAFileThatCannotBeMovedToItsBackup)
{
    // The backup's name is a folder, so the file cannot be moved there.
    folders.putInstalled("a.dll", "old");
    folders.putInstalled("keep\\x", "");
    folders.putSource("a.dll", "new");
    EXPECT_FALSE(applyLine(folders, "u;a.dll;a.dll;keep"));
    EXPECT_EQ(folders.installed("a.dll"), "old");
}

TEST_F(ApplyFiles, UpdateReplacesReadOnlyFilesAndMakesMissingFolders)
{
    folders.putInstalled("a.dll", "old");
    SetFileAttributesA((folders.install() + "a.dll").c_str(), FILE_ATTRIBUTE_READONLY);
    folders.putSource("a.dll", "new");
    EXPECT_TRUE(applyLine(folders, "u;a.dll;a.dll"));
    EXPECT_EQ(folders.installed("a.dll"), "new");
    EXPECT_TRUE(applyLine(folders, "u;a.dll;deep\\er\\a.dll"));
    EXPECT_EQ(folders.installed("deep\\er\\a.dll"), "new");
    // A destination ending in "\\" takes the file under its own name.
    EXPECT_TRUE(applyLine(folders, "u;a.dll;lib\\"));
    EXPECT_EQ(folders.installed("lib\\a.dll"), "new");
}

TEST_F(ApplyFiles, BackupFolderStandsInForBackupInLaterCommands)
{
    folders.putInstalled("a.dll", "old");
    folders.putSource("a.dll", "new");
    EXPECT_TRUE(applyLine(folders, "c;backup%1\\"));
    EXPECT_EQ(std::string(backupFolder().text()), folders.install() + "backup00000000\\");
    EXPECT_TRUE(folders.isInstalled("backup00000000\\"));

    EXPECT_TRUE(applyLine(folders, "u;a.dll;a.dll;%backup%a.dll"));
    EXPECT_EQ(folders.installed("backup00000000\\a.dll"), "old");
    EXPECT_EQ(folders.installed("a.dll"), "new");

    // The next run's backup folder is the next free one.
    EXPECT_TRUE(applyLine(folders, "c;backup%1\\"));
    EXPECT_EQ(std::string(backupFolder().text()), folders.install() + "backup00000001\\");
}

TEST_F(ApplyFiles, BackupBeforeAnyBackupFolderIsTheLiteralNameInTheCurrentFolder)
{
    folders.putInstalled("a.dll", "old");
    folders.putSource("a.dll", "new");
    EXPECT_TRUE(applyLine(folders, "u;a.dll;a.dll;%backup%a.dll"));
    EXPECT_EQ(readBytes(folders.work() + "%backup%a.dll"), "old");
    EXPECT_EQ(folders.installed("a.dll"), "new");
}

TEST_F(ApplyFiles, DeleteOfAFolderWithBackupCopiesTheTreeFirst)
{
    folders.putInstalled("old\\a.txt", "a");
    folders.putInstalled("old\\sub\\b.txt", "b");
    ASSERT_TRUE(applyLine(folders, "c;backup%1\\"));
    EXPECT_TRUE(applyLine(folders, "d;old\\;%backup%old\\"));
    EXPECT_FALSE(folders.isInstalled("old\\"));
    EXPECT_EQ(folders.installed("backup00000000\\old\\a.txt"), "a");
    EXPECT_EQ(folders.installed("backup00000000\\old\\sub\\b.txt"), "b");
}

TEST_F(ApplyFiles, DeleteOfAFileMovesItToItsBackup)
{
    folders.putInstalled("x.txt", "x");
    ASSERT_TRUE(applyLine(folders, "c;backup%1\\"));
    EXPECT_TRUE(applyLine(folders, "d;x.txt;%backup%x%1.txt"));
    EXPECT_FALSE(folders.isInstalled("x.txt"));
    EXPECT_EQ(folders.installed("backup00000000\\x00000000.txt"), "x");
}

TEST_F(ApplyFiles, DeleteMakesTheFolderOfAFilesBackup)
{
    folders.putInstalled("x.txt", "x");
    std::string backup = folders.work() + "new\\x.txt";
    EXPECT_TRUE(applyLine(folders, "d;x.txt;" + backup));
    EXPECT_FALSE(folders.isInstalled("x.txt"));
    EXPECT_EQ(readBytes(backup), "x");
}

TEST_F(ApplyFiles, DeleteWhoseBackupCannotBeMadeKeepsTheFileOrFolder)
{
    folders.putInstalled("x.txt", "x");
    folders.putInstalled("old\\a.txt", "a");
    // A file stands where the backup's folder would have to be made.
    putFile(folders.work() + "blocked", "");
    EXPECT_EQ(carry(folders, "d;x.txt;" + folders.work() + "blocked\\x.txt"), CommandResult::WriteFailed);
    EXPECT_EQ(folders.installed("x.txt"), "x");
    EXPECT_EQ(carry(folders, "d;old\\;" + folders.work() + "blocked\\old\\"), CommandResult::WriteFailed);
    EXPECT_EQ(folders.installed("old\\a.txt"), "a");
}

TEST_F(ApplyFiles, AFolderIsRemovedOnlyWhenItsBackupHoldsEveryFile)
{
    folders.putInstalled("old\\a.txt", "a");
    folders.putInstalled("old\\sub\\b.txt", "b");
    // One file cannot be read for its backup, and the user gives up on it.
    std::string held = folders.install() + "old\\sub\\b.txt";
    HANDLE holder = holdWithoutSharing(held);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    {
        ScriptedUser user;
        user.expectBox("FCFileUty - copy", held + expected::kUtyCopySourceLocked, IDCANCEL);
        EXPECT_EQ(carry(folders, "d;old\\;" + folders.work() + "bak\\old\\"),
                  CommandResult::WriteFailed);
    }
    CloseHandle(holder);
    EXPECT_EQ(folders.installed("old\\a.txt"), "a");
    EXPECT_EQ(folders.installed("old\\sub\\b.txt"), "b");
}

TEST_F(ApplyFiles, RecordsThatCannotWriteFailAndThoseWithNothingToDoDoNot)
{
    folders.putSource("a.dll", "new");
    folders.putInstalled("a.dll", "old");
    folders.putInstalled("x.txt", "x");
    // The file that takes a copy's new bytes beside its target cannot be made.
    blockNewBytesOf(folders.install() + "a.dll");
    blockNewBytesOf(folders.install() + "y.txt");
    struct Case {
        const char* line;
        CommandResult result;
    } cases[] = {
        {"u;a.dll;a.dll", CommandResult::WriteFailed},
        {"c;x.txt;y.txt", CommandResult::WriteFailed},
        {"u;missing.dll;a.dll", CommandResult::NotDone},
        {"c;missing.txt;y.txt", CommandResult::NotDone},
        {"r;missing.txt;z.txt", CommandResult::NotDone},
        {"d;", CommandResult::NotDone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(carry(folders, c.line), c.result) << c.line;
    EXPECT_EQ(folders.installed("a.dll"), "old");
    EXPECT_FALSE(folders.isInstalled("y.txt"));
}

TEST_F(ApplyFiles, DeleteOfSomethingMissingSucceeds)
{
    EXPECT_TRUE(applyLine(folders, "d;gone.txt"));
    EXPECT_TRUE(applyLine(folders, "d;gone\\"));
    folders.putInstalled("ro.txt", "x");
    SetFileAttributesA((folders.install() + "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(applyLine(folders, "d;ro.txt"));
    EXPECT_FALSE(folders.isInstalled("ro.txt"));
}

TEST_F(ApplyFiles, DeleteWithoutAPathKeepsTheInstallFolder)
{
    folders.putInstalled("app.exe", "app");
    EXPECT_FALSE(applyLine(folders, "d;"));
    EXPECT_EQ(folders.installed("app.exe"), "app");
}

TEST_F(ApplyFiles, MkdirMakesEveryMissingFolder)
{
    EXPECT_TRUE(applyLine(folders, "m;data\\cache\\"));
    EXPECT_TRUE(folders.isInstalled("data\\cache\\"));
    EXPECT_TRUE(applyLine(folders, "m;data\\cache\\"));
}

TEST_F(ApplyFiles, CopyWithinTheInstallFolder)
{
    folders.putInstalled("a.txt", "a");
    folders.putInstalled("b.txt", "b");
    EXPECT_TRUE(applyLine(folders, "c;a.txt;b.txt"));
    EXPECT_EQ(folders.installed("b.txt"), "a");
    EXPECT_FALSE(applyLine(folders, "c;missing.txt;c.txt"));
    // No folder is made for the copy.
    EXPECT_FALSE(applyLine(folders, "c;a.txt;new\\a.txt"));
    ASSERT_TRUE(applyLine(folders, "c;backup%1\\"));
    EXPECT_TRUE(applyLine(folders, "c;a.txt;%backup%a.txt"));
    EXPECT_EQ(folders.installed("backup00000000\\a.txt"), "a");
}

TEST_F(ApplyFiles, RenameReplacesAndAcceptsTheSameNameInOtherCase)
{
    folders.putInstalled("a.txt", "a");
    folders.putInstalled("b.txt", "b");
    EXPECT_TRUE(applyLine(folders, "r;a.txt;b.txt"));
    EXPECT_FALSE(folders.isInstalled("a.txt"));
    EXPECT_EQ(folders.installed("b.txt"), "a");
    EXPECT_TRUE(applyLine(folders, "r;b.txt;B.TXT"));
    EXPECT_EQ(folders.installed("b.txt"), "a");
    EXPECT_FALSE(applyLine(folders, "r;missing.txt;c.txt"));
}

TEST_F(ApplyFiles, ProgramRunReportsWhetherItStarted)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    std::string folder = path.substr(0, path.rfind('\\') + 1);
    std::string name = path.substr(folder.size());
    // The program works in the current folder; it must not hold the test's.
    SetCurrentDirectoryA(folder.c_str());
    CMD_DATA_ record;
    record.set(CMD_RUN, FCString(name.c_str()), FCString("--gtest_list_tests"), FCString());
    EXPECT_TRUE(applyCommand(record, folder.c_str(), folders.install().c_str()));
    EXPECT_FALSE(applyLine(folders, "e;missing.exe"));
}

TEST_F(ApplyFiles, EndConditions)
{
    folders.putInstalled("app.exe", "");
    struct Case {
        const char* line;
        bool stops;
    } cases[] = {
        {"end;1;app.exe;%1 is already current", true},
        {"end;0;app.exe", false},
        {"end;1;other.exe", false},
        {"end;0;other.exe", true},
        {"end;2;app.exe", false},
        {"end;-1;other.exe", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(applyLine(folders, c.line), c.stops) << c.line;
}

}  // namespace
