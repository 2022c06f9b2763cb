#include "engine/CopyListStep.h"

#include "app/resources/resource.h"
#include "tests/support/CommandFolders.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// A window with the detail line that the step writes to.
class DetailWindow {
public:
    DetailWindow()
    {
        window_ = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr, nullptr,
                                nullptr);
        CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 300, 50, window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_DETAIL)), nullptr, nullptr);
    }
    ~DetailWindow() { DestroyWindow(window_); }
    HWND handle() const { return window_; }
    std::string detail() const { return windowText(GetDlgItem(window_, IDC_DETAIL)); }

private:
    HWND window_;
};

class CopyListStep : public ::testing::Test {
protected:
    CommandFolders folders{"bw-copy-list"};
    DetailWindow window;

    bool apply(const char* text)
    {
        FCString line(text);
        CopyListLine parsed;
        parseCopyListLine(line, parsed);
        return applyCopyLine(parsed, folders.source().c_str(), folders.install().c_str(),
                             window.handle());
    }
};

TEST_F(CopyListStep, CopiesWithNumberedBackupsAndShowsTheDestination)
{
    // The backup folder is made for the first backup.
    folders.putInstalled("a.dll", "old");
    folders.putSource("new\\a.dll", "new 1");
    EXPECT_TRUE(apply("new\\a.dll;a.dll;bak\\a%1.dll"));
    EXPECT_EQ(window.detail(), folders.install() + "a.dll");
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
