// The windows of the program under test, seen from outside as a user sees
// them: only top-level windows of its process, controls by id.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// The process we drive; started and owned by us.
class Target {
public:
    Target() = default;
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;
    ~Target();

    bool start(const std::string& program, std::string& error);
    // Starts the same program, or another one when program is not empty,
    // after the earlier run has ended.
    bool startAgain(const std::string& program, std::string& error);
    // A visible top-level window of the process with exactly this title
    // (code page 932), of class windowClass when that is not null.
    HWND findWindow(const std::string& title, const char* windowClass) const;
    // Its visible top-level windows, of class windowClass when that is not null.
    std::vector<HWND> windows(const char* windowClass) const;
    // Waits up to ms for the process to end; false when it still runs.
    bool waitExit(DWORD ms, DWORD& code) const;
    // The text of an item of a tree view in the process (code page 932);
    // false when the tree does not answer.  The item is read into a block
    // of the process's own memory: messages of the WM_USER range and above
    // carry their pointers across processes as they are.
    bool treeItemText(HWND tree, HTREEITEM item, std::string& text) const;
    void kill();

private:
    void release();

    std::string program_;
    PROCESS_INFORMATION process_{};
};

// The control's text through WM_GETTEXT (false when the window does not answer).
bool controlText(HWND control, std::string& text);
// Waits until the window has gone or ms have passed.
bool waitGone(HWND window, DWORD ms);
// The keys a user types: posted to the control that has the focus in that
// window's thread, as the keyboard would deliver them.
void typeKey(HWND window, WPARAM key);
