// The progress dialog on template 104, driven the way its owner drives it:
// create, step, pump, read the cancel flag.
#include "app/resources/resource.h"
#include "foundation/dialogs/UxProgressDialog.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

const char kTitle[] = "progress test";

// A dialog configured as the archive builder configures it.
void configure(UxProgressDialog& d, bool showBar, int steps)
{
    d.title = kTitle;
    d.configureBar(IDC_PROGRESS, showBar, 0, 0, steps);
    d.setMessage(IDC_DETAIL, "working");
}

void pumpUntilCancelled(UxProgressDialog& d)
{
    for (int i = 0; i < 300 && !d.cancelled(); ++i) {
        d.pump();
        Sleep(10);
    }
}

TEST(UxProgressDialog, ShowsTheTemplateWithTheOwnersTexts)
{
    UxProgressDialog d(IDD_PROGRESS);
    configure(d, true, 5);
    d.create(nullptr, true);
    d.pump();
    ASSERT_TRUE(IsWindow(d.hwnd));
    EXPECT_TRUE(IsWindowVisible(d.hwnd));
    EXPECT_EQ(windowText(d.hwnd), kTitle);
    EXPECT_EQ(windowText(GetDlgItem(d.hwnd, IDC_DETAIL)), "working");
    EXPECT_EQ(printable(windowText(GetDlgItem(d.hwnd, IDCANCEL))),
              printable("\267\254\335\276\331"));  // ｷｬﾝｾﾙ
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d.hwnd, IDCANCEL)));

    d.showItemText("item.dat");
    EXPECT_EQ(windowText(GetDlgItem(d.hwnd, IDC_DETAIL)), "item.dat");
    EXPECT_STREQ(d.message().text(), "working");
}

TEST(UxProgressDialog, StepsZeroToFiveAndReportsFullOnlyOnTheFifthStep)
{
    UxProgressDialog d(IDD_PROGRESS);
    configure(d, true, 5);
    d.create(nullptr, true);
    ASSERT_NE(d.progress.bar(), nullptr);
    EXPECT_EQ(d.progress.getPos(), 0);
    const bool expectedFull[] = {false, false, false, false, true};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(d.progress.stepIt(), expectedFull[i]);
        d.pump();
        EXPECT_EQ(d.progress.getPos(), i + 1);
    }
    // Further steps keep it full.
    EXPECT_TRUE(d.progress.stepIt());
    EXPECT_EQ(d.progress.getPos(), 5);
}

TEST(UxProgressCtrl, LargeStepsReadAsFullWithoutWrappingRound)
{
    UxProgressDialog d(IDD_PROGRESS);
    configure(d, true, 0x7FFFFFF0);
    d.create(nullptr, true);
    d.progress.setPos(0x7FFFFF00);
    d.progress.setStep(0x7FFFFFFF);
    EXPECT_TRUE(d.progress.stepIt());
    EXPECT_EQ(d.progress.getPos(), 0x7FFFFFF0);
}

TEST(UxProgressDialog, HiddenBarIsNotAttached)
{
    UxProgressDialog d(IDD_PROGRESS);
    configure(d, false, 5);
    d.create(nullptr, true);
    ASSERT_TRUE(IsWindow(d.hwnd));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(d.hwnd, IDC_PROGRESS)));
    EXPECT_EQ(d.progress.bar(), nullptr);
    d.progress.stepIt();
    EXPECT_EQ(SendDlgItemMessageA(d.hwnd, IDC_PROGRESS, PBM_GETPOS, 0, 0), 0);
}

TEST(UxProgressDialog, PressingCancelRaisesTheFlagAndLeavesTheWindowOpen)
{
    UxProgressDialog d(IDD_PROGRESS);
    configure(d, true, 5);
    ScriptedUser user;
    user.expectDialog(kTitle, IDCANCEL);
    d.create(nullptr, true);
    pumpUntilCancelled(d);
    EXPECT_TRUE(d.cancelled());
    EXPECT_TRUE(IsWindow(d.hwnd));
    HWND window = d.hwnd;
    d.close();
    EXPECT_FALSE(IsWindow(window));
    d.pump();  // returns at once on a closed window
}

TEST(UxProgressDialog, CancelNotAllowedIsDisabledAndIgnored)
{
    UxProgressDialog d(IDD_PROGRESS);
    configure(d, true, 5);
    d.create(nullptr, false);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d.hwnd, IDCANCEL)));
    // A Cancel command that reaches the window anyway (Esc, say) changes nothing.
    SendMessageA(d.hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PostMessageA(d.hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    d.pump();
    EXPECT_FALSE(d.cancelled());
    d.requestCancel(true);
    EXPECT_TRUE(d.cancelled());
}

TEST(UxProgressDialog, ClosingIsNotCancellingAndCreateWorksOnce)
{
    UxProgressDialog d(IDD_PROGRESS);
    configure(d, true, 5);
    d.create(nullptr, true);
    HWND first = d.hwnd;
    SendMessageA(first, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(d.cancelled());
    d.create(nullptr, true);
    EXPECT_EQ(d.hwnd, nullptr);
    d.pump();
}

TEST(UxProgressDialog, OwnerDestroyedFirstLeavesNoDanglingWindow)
{
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    UxProgressDialog d(IDD_PROGRESS);
    configure(d, true, 5);
    d.create(owner, true);
    ASSERT_TRUE(IsWindow(d.hwnd));
    DestroyWindow(owner);
    EXPECT_EQ(d.hwnd, nullptr);
    d.pump();
    d.close();
}

TEST(UxProgressDialog, MissingTemplateShowsNothingAndTheWorkGoesOn)
{
    UxProgressDialog d(999);
    configure(d, true, 5);
    d.create(nullptr, true);
    EXPECT_TRUE(d.created());
    EXPECT_EQ(d.hwnd, nullptr);
    d.pump();
    d.progress.stepIt();
    d.close();
    EXPECT_FALSE(d.cancelled());
}

TEST(UxProgressDialog, PlacementCentredOrAtTheGivenPosition)
{
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 100, 50, 600, 400, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    RECT r{};
    {
        UxProgressDialog d(IDD_PROGRESS);
        configure(d, true, 5);
        d.create(owner, true);
        GetWindowRect(d.hwnd, &r);
        int width = r.right - r.left;
        int height = r.bottom - r.top;
        EXPECT_EQ(r.left, (100 + (600 - width) / 2 + 4) & ~7);
        EXPECT_EQ(r.top, 50 + (400 - height) / 2);
    }
    {
        UxProgressDialog d(IDD_PROGRESS);
        configure(d, true, 5);
        d.left = 13;
        d.top = 7;
        d.create(owner, true);
        GetWindowRect(d.hwnd, &r);
        EXPECT_EQ(r.left, 113);
        EXPECT_EQ(r.top, 57);
    }
    DestroyWindow(owner);
}

TEST(UxProgressDialog, PumpLeavesTheQuitRequestForTheOuterLoop)
{
    UxProgressDialog d(IDD_PROGRESS);
    configure(d, true, 5);
    d.create(nullptr, true);
    PostQuitMessage(3);
    d.pump();
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

}  // namespace
