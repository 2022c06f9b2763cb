#include "app/CommandRun.h"
#include "app/MessageTable.h"
#include "app/RunTexts.h"

#include "app/resources/resource.h"
#include "engine/ApplyCommand.h"
#include "tests/support/CommandFolders.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

INT_PTR CALLBACK plainProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// The confirmation dialog's template, shown without its procedure, so that
// the command section runs in a real dialog whose texts and buttons the
// test reads afterwards.
class CommandRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        backupFolder().clear();
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONFIRM),
                                    nullptr, plainProc, 0);
        ASSERT_NE(dialog, nullptr);
        settings.productName = "Tool";
        settings.installFolder = folders.install().c_str();
    }
    void TearDown() override
    {
        DestroyWindow(dialog);
        backupFolder().clear();
    }

    bool run(int commandMode, const char* section)
    {
        settings.commandMode = commandMode;
        FCString description(section);
        return runCommandSection(dialog, detail, settings, description, folders.source().c_str(),
                                 kConfirmMessages);
    }
    std::string text(int id) const { return windowText(GetDlgItem(dialog, id)); }
    std::string message(int index) const
    {
        return MessageTable::text(index, settings.productName).text();
    }
    bool visible(int id) const { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
    bool enabled(int id) const { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
    // Only "終了" is left to press.
    void expectFinishedButtons() const
    {
        EXPECT_FALSE(visible(IDOK));
        EXPECT_FALSE(visible(IDC_HELP_BUTTON));
        EXPECT_TRUE(enabled(IDCANCEL));
        EXPECT_EQ(text(IDCANCEL), runtexts::kFinishLabel);
    }

    CommandFolders folders{"command-run"};
    RunSettings settings;
    DetailLine detail;
    HWND dialog = nullptr;
};

std::string runFailedQuestion(const char* program)
{
    return std::string(program) + runtexts::kRunFailedQuestion;
}

TEST_F(CommandRun, CopyListCountsEveryFailedCopy)
{
    folders.putSource("a.dll", "new a");
    folders.putInstalled("b.dll", "old b");
    EXPECT_FALSE(run(100, "a.dll\nb.dll\nc.dll\n"));
    EXPECT_EQ(settings.failureCount, 2);
    EXPECT_EQ(folders.installed("a.dll"), "new a");
    EXPECT_EQ(folders.installed("b.dll"), "old b");
    EXPECT_EQ(text(IDC_STATUS), message(2));
    EXPECT_EQ(text(IDC_DETAIL), message(4));
    expectFinishedButtons();
}

TEST_F(CommandRun, CopyListWithoutFailureFinishes)
{
    folders.putSource("a.dll", "new a");
    EXPECT_TRUE(run(100, "a.dll\n"));
    EXPECT_EQ(settings.failureCount, 0);
    EXPECT_EQ(text(IDC_STATUS), message(3));
    EXPECT_EQ(text(IDC_DETAIL), "");
    expectFinishedButtons();
}

TEST_F(CommandRun, EndRecordStopsTheRunAndShowsItsMessage)
{
    folders.putSource("a.dll", "new a");
    folders.putSource("b.dll", "new b");
    folders.putInstalled("app.exe", "");
    EXPECT_TRUE(run(150, "u;a.dll;a.dll\nm;logs\nend;1;app.exe;%1 is already current\n"
                         "u;b.dll;b.dll\n"));
    EXPECT_EQ(folders.installed("a.dll"), "new a");
    EXPECT_TRUE(pathExists(folders.install() + "logs"));
    EXPECT_FALSE(folders.isInstalled("b.dll"));
    EXPECT_EQ(text(IDC_STATUS), message(3));
    EXPECT_EQ(text(IDC_DETAIL), "Tool is already current");
    expectFinishedButtons();
}

TEST_F(CommandRun, RecordsWithNothingToDoAreCountedNowhere)
{
    EXPECT_TRUE(run(150, "u;missing.dll;a.dll\nd;gone.txt\nend;1;absent.exe;stop\n"));
    EXPECT_EQ(settings.failureCount, 0);
    EXPECT_EQ(text(IDC_STATUS), message(3));
    EXPECT_EQ(text(IDC_DETAIL), "");
}

TEST_F(CommandRun, ARecordThatCannotWriteFailsTheRunAfterTheOthersRan)
{
    folders.putSource("a.dll", "new a");
    folders.putSource("b.dll", "new b");
    folders.putInstalled("a.dll", "old a");
    folders.putInstalled("app.exe", "");
    // The new bytes of a.dll cannot be written beside it.
    blockNewBytesOf(folders.install() + "a.dll");
    EXPECT_FALSE(run(150, "u;a.dll;a.dll\nu;b.dll;b.dll\nend;1;app.exe;%1 done\n"));
    EXPECT_EQ(settings.failureCount, 1);
    EXPECT_EQ(folders.installed("a.dll"), "old a");
    EXPECT_EQ(folders.installed("b.dll"), "new b");
    // Not "finished", and not the end record's message: the product is
    // not updated, and the hint says to close it and update again.
    EXPECT_EQ(text(IDC_STATUS), message(2));
    EXPECT_EQ(text(IDC_DETAIL), message(4));
    expectFinishedButtons();
}

TEST_F(CommandRun, AProgramThatCannotStartAsksWhetherToGoOn)
{
    struct Case {
        int answer;
        bool laterRecordRan;
    } cases[] = {{IDNO, false}, {IDYES, true}, {ScriptedUser::kEscape, false}};
    for (const Case& c : cases) {
        folders.putSource("b.dll", "new b");
        ScriptedUser user;
        user.expectDialog(runtexts::kRunFailedTitle, c.answer, [&](HWND question) {
            EXPECT_EQ(windowText(GetDlgItem(question, IDC_DETAIL)),
                      runFailedQuestion("missing.exe"));
            EXPECT_FALSE(enabled(IDOK));
            EXPECT_FALSE(enabled(IDCANCEL));
            EXPECT_FALSE(enabled(IDC_HELP_BUTTON));
        });
        // Stopping there leaves the section not carried out whole.
        EXPECT_EQ(run(150, "e;missing.exe\nu;b.dll;b.dll\n"), c.laterRecordRan) << c.answer;
        EXPECT_EQ(folders.isInstalled("b.dll"), c.laterRecordRan) << c.answer;
        EXPECT_EQ(text(IDC_STATUS), message(3));
        DeleteFileA((folders.install() + "b.dll").c_str());
    }
}

TEST_F(CommandRun, AnEmptyCommandListIsAFailure)
{
    EXPECT_FALSE(run(150, "; only a comment\nZ;unknown\n"));
    EXPECT_EQ(settings.failureCount, 0);
    EXPECT_EQ(text(IDC_STATUS), message(2));
    EXPECT_EQ(text(IDC_DETAIL), message(4));
    expectFinishedButtons();
}

TEST_F(CommandRun, ACommandModeBelowTheFormatsRunsNothing)
{
    folders.putSource("a.dll", "new a");
    EXPECT_FALSE(run(99, "a.dll\n"));
    EXPECT_FALSE(folders.isInstalled("a.dll"));
    EXPECT_EQ(text(IDC_STATUS), message(1));
    expectFinishedButtons();
}

TEST_F(CommandRun, CancelInAFilePromptEndsTheRunAsAFailure)
{
    folders.putInstalled("app.exe", std::string(16, '.'));
    folders.putSource("b.dll", "new b");
    HANDLE other = holdWithoutSharing(folders.install() + "app.exe");
    ScriptedUser user;
    user.expectDialog("FCFile - open", IDCANCEL);
    EXPECT_FALSE(run(150, "b;app.exe;0,2;41 42\nu;b.dll;b.dll\n"));
    CloseHandle(other);
    EXPECT_EQ(folders.installed("app.exe"), std::string(16, '.'));
    EXPECT_FALSE(folders.isInstalled("b.dll"));
    EXPECT_EQ(text(IDC_STATUS), message(2));
    EXPECT_EQ(text(IDC_DETAIL), message(4));
    expectFinishedButtons();
}

}  // namespace
