#include "engine/CopyFolder.h"

#include "tests/support/CommandFolders.h"

#include <gtest/gtest.h>

namespace {

class CopyFolder : public ::testing::Test {
protected:
    CommandFolders folders{"bw-copy-folder"};
    std::string from() const { return folders.install() + "old\\"; }
    std::string to() const { return folders.install() + "backup00000000\\old\\"; }

    void SetUp() override
    {
        folders.putInstalled("old\\a.txt", "a");
        folders.putInstalled("old\\sub\\b.txt", "b");
        folders.putInstalled("old\\.config", "hidden");
        folders.putInstalled("old\\.cache\\c.txt", "c");
        CreateDirectoryA((from() + "empty").c_str(), nullptr);
    }
};

TEST_F(CopyFolder, RecursesCreatesAndReplaces)
{
    folders.putInstalled("backup00000000\\old\\a.txt", "stale");
    copyFolder(from().c_str(), to().c_str(), 0x40003);
    EXPECT_EQ(folders.installed("backup00000000\\old\\a.txt"), "a");
    EXPECT_EQ(folders.installed("backup00000000\\old\\sub\\b.txt"), "b");
    EXPECT_TRUE(folders.isInstalled("backup00000000\\old\\empty\\"));
    // Names that begin with "." are not copied.
    EXPECT_FALSE(folders.isInstalled("backup00000000\\old\\.config"));
    EXPECT_FALSE(folders.isInstalled("backup00000000\\old\\.cache\\"));
}

TEST_F(CopyFolder, OptionsDecideCreationAndRecursion)
{
    copyFolder(from().c_str(), to().c_str(), 0x40001);
    EXPECT_FALSE(folders.isInstalled("backup00000000\\"));

    // Without a final "\\" on either folder, and without recursion.
    std::string source = from().substr(0, from().size() - 1);
    std::string target = to().substr(0, to().size() - 1);
    copyFolder(source.c_str(), target.c_str(), 0x40002);
    EXPECT_EQ(folders.installed("backup00000000\\old\\a.txt"), "a");
    EXPECT_FALSE(folders.isInstalled("backup00000000\\old\\sub\\"));
}

TEST_F(CopyFolder, LeavesFilesAlreadyThereWhenAskedToSkipThem)
{
    folders.putInstalled("backup00000000\\old\\a.txt", "kept");
    copyFolder(from().c_str(), to().c_str(), 0x20003);
    EXPECT_EQ(folders.installed("backup00000000\\old\\a.txt"), "kept");
    EXPECT_EQ(folders.installed("backup00000000\\old\\sub\\b.txt"), "b");
}

TEST_F(CopyFolder, MissingSourceCopiesNothingButTheDestinationIsMade)
{
    std::string missing = folders.install() + "none\\";
    copyFolder(missing.c_str(), to().c_str(), 0x40003);
    EXPECT_TRUE(folders.isInstalled("backup00000000\\old\\"));
    EXPECT_FALSE(folders.isInstalled("backup00000000\\old\\a.txt"));
}

}  // namespace
