#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

namespace {

// The control of a message box that holds its text.
const int kBoxTextId = 0xFFFF;
// Marks a window the scripted user has already taken in: a window is
// activated again whenever focus comes back to it.
const char kSeenProperty[] = "bw.scripted-user.seen";

thread_local ScriptedUser* activeUser = nullptr;

bool isDialogWindow(HWND window)
{
    char name[16] = {};
    return GetClassNameA(window, name, sizeof name) > 0 && std::string(name) == "#32770";
}

void press(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// True when a user could press button in window now: it is there, shown and
// enabled (Esc needs only the window itself).
bool canPress(HWND window, int button)
{
    HWND target = button == ScriptedUser::kEscape ? window : GetDlgItem(window, button);
    return target != nullptr && IsWindowVisible(target) && IsWindowEnabled(target);
}

// The Esc key, sent where the keyboard focus is, as the keyboard would.
void pressEscape(HWND window)
{
    HWND focus = GetFocus();
    HWND target = (focus != nullptr && (focus == window || IsChild(window, focus))) ? focus : window;
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0000001);
}

// Unblocks a window nobody wanted, the way a user would get rid of it.
void dismiss(HWND window)
{
    if (GetDlgItem(window, IDCANCEL) != nullptr)
        press(window, IDCANCEL);
    else if (GetDlgItem(window, IDOK) != nullptr)
        press(window, IDOK);
    else
        PostMessageA(window, WM_CLOSE, 0, 0);
}

std::string describe(HWND window)
{
    std::string d = "caption \"" + printable(windowText(window)) + "\"";
    if (GetDlgItem(window, kBoxTextId) != nullptr)
        d += ", text \"" + printable(boxText(window)) + "\"";
    return d;
}

}  // namespace

std::string windowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int got = GetWindowTextA(window, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

std::string boxText(HWND box)
{
    HWND item = GetDlgItem(box, kBoxTextId);
    return item != nullptr ? windowText(item) : std::string();
}

std::vector<int> buttonsOf(HWND box)
{
    std::vector<int> ids;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "Button") == 0 && IsWindowVisible(child))
            ids.push_back(GetDlgCtrlID(child));
    }
    return ids;
}

std::string printable(const std::string& bytes)
{
    std::string out;
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != '\\') {
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", b);
            out += escape;
        }
    }
    return out;
}

ScriptedUser::ScriptedUser()
{
    if (activeUser != nullptr) {
        ADD_FAILURE() << "a second scripted user on one thread";
        return;
    }
    hook_ = SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId());
    if (hook_ == nullptr) {
        ADD_FAILURE() << "the scripted user's hook could not be set, error " << GetLastError();
        return;
    }
    activeUser = this;
}

ScriptedUser::~ScriptedUser()
{
    if (hook_ == nullptr)
        return;
    UnhookWindowsHookEx(hook_);
    activeUser = nullptr;
    for (const Expected& e : script_)
        ADD_FAILURE() << "expected a window with caption \"" << printable(e.caption)
                      << "\" that never showed";
}

ScriptedUser& ScriptedUser::expectBox(std::string caption, std::string text, int button,
                                      BeforePress before)
{
    script_.push_back({std::move(caption), true, std::move(text), button, std::move(before)});
    return *this;
}

ScriptedUser& ScriptedUser::expectDialog(std::string caption, int button, BeforePress before)
{
    script_.push_back({std::move(caption), false, std::string(), button, std::move(before)});
    return *this;
}

LRESULT CALLBACK ScriptedUser::onCbt(int code, WPARAM wParam, LPARAM lParam)
{
    ScriptedUser* user = activeUser;
    if (code == HCBT_ACTIVATE && user != nullptr) {
        auto window = reinterpret_cast<HWND>(wParam);
        if (isDialogWindow(window) && GetPropA(window, kSeenProperty) == nullptr) {
            SetPropA(window, kSeenProperty, reinterpret_cast<HANDLE>(1));
            // At activation a message box has no text yet.  A thread timer
            // fires only once the window's modal loop has nothing else to
            // do, by which time the window is complete.
            user->waiting_.push_back(window);
            SetTimer(nullptr, 0, 0, onSettled);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK ScriptedUser::onSettled(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    ScriptedUser* user = activeUser;
    if (user == nullptr || user->waiting_.empty())
        return;
    HWND window = user->waiting_.front();
    user->waiting_.pop_front();
    if (IsWindow(window))
        user->answer(window);
}

void ScriptedUser::answer(HWND window)
{
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected window: " << describe(window);
        dismiss(window);
        return;
    }
    // A window that the system fills and shows in steps of its own (the
    // shell's folder browser) may not have its button ready at the first
    // idle moment: look again a little later, as a user's eye would.
    if (!canPress(window, script_.front().button) && settleTries_ < kSettleTries) {
        ++settleTries_;
        waiting_.push_front(window);
        SetTimer(nullptr, 0, kSettleMs, onSettled);
        return;
    }
    settleTries_ = 0;
    Expected e = std::move(script_.front());
    script_.pop_front();
    std::string caption = windowText(window);
    bool matches = caption == e.caption;
    if (matches && e.checkText)
        matches = GetDlgItem(window, kBoxTextId) != nullptr && boxText(window) == e.text;
    if (!matches) {
        std::string wanted = "caption \"" + printable(e.caption) + "\"";
        if (e.checkText)
            wanted += ", text \"" + printable(e.text) + "\"";
        ADD_FAILURE() << "expected a window with " << wanted << "\n  but it has " << describe(window);
        dismiss(window);
        return;
    }
    if (!canPress(window, e.button)) {
        ADD_FAILURE() << "no button " << e.button << " to press in the window with "
                      << describe(window);
        dismiss(window);
        return;
    }
    if (e.before) {
        // Nothing may be thrown through the window procedures above us.
        try {
            e.before(window);
        } catch (...) {
            ADD_FAILURE() << "the action before pressing threw, in the window with "
                          << describe(window);
            dismiss(window);
            return;
        }
    }
    // A window that stays open after this press (one that opens another
    // dialog, say) is answered again when it is active again.
    RemovePropA(window, kSeenProperty);
    if (e.button == kEscape)
        pressEscape(window);
    else
        press(window, e.button);
}
