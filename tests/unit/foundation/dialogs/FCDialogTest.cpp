// The dialog classes on the program's real templates: modal runs played by
// the scripted user, placement on a real owner window, and reading radio
// buttons.
#include "app/resources/resource.h"
#include "foundation/dialogs/FCDialog.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// The test's side of the hand-over: store the window, do the test's work at
// creation, then either end at once (with the work's result) or wait for the
// user's button.
struct Script {
    std::function<INT_PTR(FCDialog&)> atInit;
    bool endAtInit = true;
};

INT_PTR CALLBACK testProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<FCDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->hwnd = window;
        auto* script = static_cast<Script*>(dialog->userData);
        INT_PTR result = script->atInit ? script->atInit(*dialog) : 0;
        if (script->endAtInit)
            EndDialog(window, result);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// A plain top-level window standing in for the owner of a dialog.
class OwnerWindow {
public:
    OwnerWindow(int left, int top, int width, int height)
        : window_(CreateWindowExA(0, "STATIC", "owner", WS_POPUP, left, top, width, height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~OwnerWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_;
};

RECT rectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// Runs template 101 owned by owner (may be 0), sized width x height, and
// lets place put it; returns where it ended.
RECT placedRect(HWND owner, int width, int height, const std::function<void(FCDialog&)>& place)
{
    RECT result{};
    Script script;
    script.atInit = [&](FCDialog& d) {
        SetWindowPos(d.hwnd, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        place(d);
        result = rectOf(d.hwnd);
        return INT_PTR{1};
    };
    FCDialog dialog(IDD_CONFIRM);
    EXPECT_EQ(dialog.run(owner, testProc, &script), 1);
    return result;
}

struct CenterCase {
    const char* what;
    int ownerLeft, ownerTop, ownerWidth, ownerHeight;
    int width, height;
    int x, y;
    int expectedLeft, expectedTop;
};

TEST(FCDialogCenter, PlacesOnTheOwnerNudgedAndAlignedOnlyHorizontally)
{
    const CenterCase cases[] = {
        // (1024 - 300) / 2 + 4 = 366, lowered to 360; (768 - 151) / 2 = 308.
        {"centred on a 1024-wide owner", 0, 0, 1024, 768, 300, 151, -1, -1, 360, 308},
        // 100 + 10 + 4 = 114 -> 112; 50 + 20 = 70, not aligned.
        {"explicit offsets", 100, 50, 400, 300, 300, 100, 10, 20, 112, 70},
        // (291 - 300) / 2 truncates to -4, + 4 = 0; flooring would give -8.
        {"division truncates toward zero", 0, 0, 291, 200, 300, 100, -1, -1, 0, 50},
        // (98 - 300) / 2 + 4 = -97, lowered away from zero to -104.
        {"negative x moves further left", 0, 0, 98, 100, 300, 101, -1, -1, -104, 0},
        // 200 + 150 + 4 = 354 -> 352.
        {"owner off the origin", 200, 40, 600, 500, 300, 200, -1, -1, 352, 190},
    };
    for (const CenterCase& c : cases) {
        SCOPED_TRACE(c.what);
        OwnerWindow owner(c.ownerLeft, c.ownerTop, c.ownerWidth, c.ownerHeight);
        RECT r = placedRect(owner.get(), c.width, c.height,
                            [&](FCDialog& d) { d.center(c.x, c.y, false); });
        EXPECT_EQ(r.left, c.expectedLeft);
        EXPECT_EQ(r.top, c.expectedTop);
        EXPECT_EQ(r.right - r.left, c.width);
        EXPECT_EQ(r.bottom - r.top, c.height);
    }
}

TEST(FCDialogCenter, WithoutAnOwnerUsesTheDesktop)
{
    RECT desktop = rectOf(GetDesktopWindow());
    RECT r = placedRect(nullptr, 300, 150, [](FCDialog& d) { d.center(-1, -1, false); });
    EXPECT_EQ(r.left, (desktop.left + (desktop.right - desktop.left - 300) / 2 + 4) & ~7);
    EXPECT_EQ(r.top, desktop.top + (desktop.bottom - desktop.top - 150) / 2);
}

RECT primaryArea(bool work)
{
    POINT origin{0, 0};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &info);
    return work ? info.rcWork : info.rcMonitor;
}

TEST(FCDialogCenter, ClampedToTheMonitorStaysOnScreen)
{
    RECT work = primaryArea(true);
    OwnerWindow owner(0, 0, 400, 300);
    RECT r = placedRect(owner.get(), 300, 150, [](FCDialog& d) { d.center(100000, -100000, true); });
    EXPECT_EQ(r.right, work.right);
    EXPECT_EQ(r.top, work.top);
    // A far offset that would overflow the coordinate range still lands on screen.
    r = placedRect(owner.get(), 300, 150, [](FCDialog& d) { d.center(0x7FFFFFF0, 0x7FFFFFF0, true); });
    EXPECT_EQ(r.right, work.right);
    EXPECT_EQ(r.bottom, work.bottom);
}

TEST(FCDialogMoveTo, PlacesWithoutNudgeAndKeepsTheSizeWhenAskedTo)
{
    OwnerWindow owner(100, 50, 400, 300);
    RECT r = placedRect(owner.get(), 300, 150, [](FCDialog& d) { d.moveTo(10, 21, 0, -1, false); });
    EXPECT_EQ(r.left, 110);
    EXPECT_EQ(r.top, 71);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 150);

    r = placedRect(owner.get(), 300, 150, [](FCDialog& d) { d.moveTo(3, 5, 200, 120, false); });
    EXPECT_EQ(r.left, 103);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 120);

    RECT screen = primaryArea(false);
    r = placedRect(owner.get(), 300, 150, [](FCDialog& d) { d.moveTo(-5000, -5000, -1, -1, true); });
    EXPECT_EQ(r.left, screen.left);
    EXPECT_EQ(r.top, screen.top);
}

struct SelectCase {
    const char* what;
    int checked;  // control to check, 0 for none
    int start;
    int expectedId;
    int expectedIndex;
};

TEST(FCDialogSelectedButton, FindsTheFirstCheckedButtonFromThePosition)
{
    const int radios[] = {IDC_PATCH0, IDC_PATCH1, IDC_PATCH2, -1};
    const SelectCase cases[] = {
        {"second checked", IDC_PATCH1, 0, IDC_PATCH1, 1},
        {"started on it", IDC_PATCH1, 1, IDC_PATCH1, 1},
        {"checked one lies before the start", IDC_PATCH0, 1, -1, 3},
        {"last checked", IDC_PATCH2, 0, IDC_PATCH2, 2},
        {"none checked", 0, 0, -1, 3},
        {"start on the end marker", IDC_PATCH0, 3, -1, 3},
    };
    for (const SelectCase& c : cases) {
        SCOPED_TRACE(c.what);
        int index = c.start;
        int found = 0;
        Script script;
        script.atInit = [&](FCDialog& d) {
            if (c.checked != 0)
                CheckRadioButton(d.hwnd, IDC_PATCH0, IDC_PATCH2, c.checked);
            found = d.selectedButton(&index, radios);
            return INT_PTR{1};
        };
        FCDialog dialog(IDD_SELECT);
        ASSERT_EQ(dialog.run(nullptr, testProc, &script), 1);
        EXPECT_EQ(found, c.expectedId);
        EXPECT_EQ(index, c.expectedIndex);
    }
}

TEST(FCDialogSelectedButton, RefusesMissingArguments)
{
    const int radios[] = {IDC_PATCH0, -1};
    int index = 0;
    int negative = -1;
    FCDialog dialog(IDD_SELECT);
    EXPECT_EQ(dialog.selectedButton(nullptr, radios), -1);
    EXPECT_EQ(dialog.selectedButton(&index, nullptr), -1);
    EXPECT_EQ(dialog.selectedButton(&negative, radios), -1);
}

struct TemplateCase {
    std::uint16_t id;
    const char* caption;
    std::vector<std::pair<int, std::string>> texts;
    int press;
};

// Each modal template opens for real, carries its texts in code page 932 and
// ends with the button the user pressed.
TEST(FCDialogDoModal, OpensEachTemplateAndReturnsThePressedButton)
{
    const TemplateCase cases[] = {
        {IDD_CONFIRM, "brantlewick",
         {{IDOK, "\202\315\202\242"},                 // はい
          {IDCANCEL, "\202\242\202\242\202\246"},     // いいえ
          {IDC_HELP_BUTTON, "\203w\203\213\203v"}},   // ヘルプ
         IDCANCEL},
        {IDD_QUESTION, "brantlewick",
         {{IDYES, "\202\315\202\242"}, {IDNO, "\202\242\202\242\202\246"}},
         IDNO},
        {IDD_MESSAGE, "brantlewick\202\311\202\302\202\242\202\304",  // brantlewickについて
         {{IDOK, "\225\302\202\266\202\351"}},                       // 閉じる
         IDOK},
        {IDD_SELECT, "brantlewick",
         {{IDOK, "\216\300\215s"},       // 実行
          {IDCANCEL, "\222\206\216~"}},  // 中止
         IDOK},
    };
    for (const TemplateCase& c : cases) {
        SCOPED_TRACE(c.id);
        ScriptedUser user;
        user.expectDialog(c.caption, c.press, [&](HWND window) {
            for (const auto& [id, text] : c.texts)
                EXPECT_EQ(printable(windowText(GetDlgItem(window, id))), printable(text)) << id;
        });
        Script script;
        script.endAtInit = false;
        FCDialog dialog(c.id);
        EXPECT_EQ(dialog.run(nullptr, testProc, &script), c.press);
    }
}

TEST(FCDialogDoModal, RunWithoutOwnerKeepsThePreparedOne)
{
    OwnerWindow owner(0, 0, 200, 100);
    HWND seenOwner = nullptr;
    Script script;
    script.atInit = [&](FCDialog& d) {
        seenOwner = GetParent(d.hwnd);
        return INT_PTR{4};
    };
    FCDialog dialog(IDD_QUESTION);
    dialog.prepare(owner.get(), nullptr, nullptr);
    EXPECT_EQ(dialog.run(testProc, &script), 4);
    EXPECT_EQ(seenOwner, owner.get());
}

TEST(FCDialogDoModal, ReportsADialogThatCannotBeMade)
{
    Script script;
    FCDialog missing(999);
    EXPECT_EQ(missing.run(nullptr, testProc, &script), -1);
    // Without a procedure nothing could end the dialog: refused, not hung.
    FCDialog noProcedure(IDD_QUESTION);
    EXPECT_EQ(noProcedure.run(nullptr, nullptr, nullptr), -1);
}

}  // namespace
