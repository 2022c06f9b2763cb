// ScriptedUser: plays the user for the message boxes and dialogs that the
// code under test shows on the test's own thread.
//
// A test states, in order, the windows it expects and the button to press
// in each.  The real MessageBoxA or dialog runs; a thread-local WH_CBT hook
// sees each new dialog-class window ("#32770") as it is activated, and once
// the window has settled (its modal loop is idle) the scripted user checks
// it, runs the test's action and presses the button by posting the command,
// as a click would.
//
// A window that the script does not expect, or that differs from what it
// expects, fails the test and is dismissed (Cancel, else OK, else closed) so
// that the test goes on.  An expected window that never showed fails the
// test when the scripted user goes out of scope.  Texts are compared as code
// page 932 bytes, exactly.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ScriptedUser {
public:
    // Runs with the window just before the button is pressed: checks on it
    // (EXPECT_*) and actions of the user's (closing the file that another
    // program held, say).
    using BeforePress = std::function<void(HWND window)>;

    // Pressed instead of a button: the Esc key, which the dialog's own loop
    // turns into IDCANCEL also where no such button exists.
    static const int kEscape = -1;

    // Starts watching this thread's windows; one scripted user per thread
    // at a time.
    ScriptedUser();
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;
    // Stops watching; fails the test for every expected window still to come.
    ~ScriptedUser();

    // The next window is a message box with exactly this caption and text;
    // press button (IDRETRY, IDCANCEL, ...) in it.
    ScriptedUser& expectBox(std::string caption, std::string text, int button,
                            BeforePress before = {});
    // The next window is a dialog (or a box whose text is not checked) with
    // exactly this caption; press the control with id button in it.  A
    // dialog that stays open after the press (its button opened another
    // window) meets the next expectation when it is active again.
    ScriptedUser& expectDialog(std::string caption, int button, BeforePress before = {});

    // Expected windows that have not shown yet.
    std::size_t pending() const { return script_.size(); }

private:
    struct Expected {
        std::string caption;
        bool checkText;
        std::string text;
        int button;
        BeforePress before;
    };

    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK onSettled(HWND, UINT, UINT_PTR timer, DWORD);
    void answer(HWND window);

    HHOOK hook_ = nullptr;
    std::deque<Expected> script_;
    // Windows seen but not yet answered, oldest first.
    std::deque<HWND> waiting_;
    // How often, and how far apart, a window whose button is not ready yet
    // is looked at again before the test fails.
    static const int kSettleTries = 40;
    static const unsigned kSettleMs = 50;
    int settleTries_ = 0;
};

// The window's text as code page 932 bytes.
std::string windowText(HWND window);
// The text of a message box (its static control 0xFFFF).
std::string boxText(HWND box);
// The ids of the box's visible buttons, in the order of its child windows.
std::vector<int> buttonsOf(HWND box);
// Bytes made readable in a failure message: ASCII as it is, other bytes as
// \xHH escapes.
std::string printable(const std::string& bytes);
