#include "engine/CopyListStep.h"

#include "tests/support/CommandFolders.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

class CopyListStep : public ::testing::Test {
protected:
    CommandFolders folders{"bw-copy-list"};

    bool apply(const char* text)
    {
        FCString line(text);
        CopyListLine parsed;
        parseCopyListLine(line, parsed);
        return applyCopyLine(parsed, folders.source().c_str(), folders.install().c_str());
    }
};

TEST_F(CopyListStep, CopiesWithNumberedBackupsToItsTarget)
{
    // The backup folder is made for the first backup.
    folders.putInstalled("a.dll", "old");
    folders.putSource("new\\a.dll", "new 1");
    FCString text("new\\a.dll;a.dll;bak\\a%1.dll");
    CopyListLine line;
    parseCopyListLine(text, line);
    EXPECT_EQ(std::string(copyLineTarget(line, folders.install().c_str()).text()),
              folders.install() + "a.dll");
    EXPECT_TRUE(apply("new\\a.dll;a.dll;bak\\a%1.dll"));
    EXPECT_EQ(folders.installed("a.dll"), "new 1");
    EXPECT_EQ(folders.installed("bak\\a00000000.dll"), "old");

    folders.putSource("new\\a.dll", "new 2");
    EXPECT_TRUE(apply("new\\a.dll;a.dll;bak\\a%1.dll"));
    EXPECT_EQ(folders.installed("bak\\a00000001.dll"), "new 1");
    EXPECT_EQ(folders.installed("a.dll"), "new 2");
}

TEST_F(CopyListStep, OneFieldCopiesToTheSameName)
{
    folders.putSource("data\\x.bin", "x");
    CreateDirectoryA((folders.install() + "data").c_str(), nullptr);
    EXPECT_TRUE(apply("data\\x.bin"));
    EXPECT_EQ(folders.installed("data\\x.bin"), "x");
    // No folder is made for the copy.
    EXPECT_FALSE(apply("data\\x.bin;other\\x.bin"));
}

TEST_F(CopyListStep, AFileThatCannotBeMovedToItsBackupIsNotOverwritten)
{
    // The backup's name is a folder, so the file cannot be moved there.
    folders.putInstalled("a.dll", "old");
    folders.putInstalled("keep\\x", "");
    folders.putSource("a.dll", "new");
    EXPECT_FALSE(apply("a.dll;a.dll;keep"));
    EXPECT_EQ(folders.installed("a.dll"), "old");
}

TEST_F(CopyListStep, AMissingSourceFailsAndLeavesTheInstalledFile)
{
    folders.putInstalled("a.dll", "old");
    EXPECT_FALSE(apply("missing.dll;a.dll;a%1.bak"));
    EXPECT_EQ(folders.installed("a.dll"), "old");
    EXPECT_FALSE(folders.isInstalled("a00000000.bak"));
}

TEST_F(CopyListStep, ABackupNameWithoutNumberReplacesTheOlderBackup)
{
    folders.putInstalled("a.dll", "old");
    folders.putInstalled("a.bak", "older");
    folders.putSource("a.dll", "new");
    ScriptedUser user;  // no prompt is expected
    EXPECT_TRUE(apply("a.dll;a.dll;a.bak"));
    EXPECT_EQ(folders.installed("a.bak"), "old");
    EXPECT_EQ(folders.installed("a.dll"), "new");
}

}  // namespace
