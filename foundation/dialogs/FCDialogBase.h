// FCDialogBase: what every dialog object of the program holds, and the
// placement of a dialog on the window it belongs to.
//
// Every window of the program is a dialog made from one of its templates.
// The objects do not wrap the dialog procedure: each dialog has a plain
// procedure of its own, which receives the object as the creation parameter
// at WM_INITDIALOG, stores the window into `hwnd` and works on the object
// from there.  The object must therefore outlive its window.
#pragma once

#include <windows.h>

#include <cstdint>

class FCDialogBase {
public:
    explicit FCDialogBase(std::uint16_t templateId);
    FCDialogBase(const FCDialogBase&) = delete;
    FCDialogBase& operator=(const FCDialogBase&) = delete;
    virtual ~FCDialogBase();

    // Stores what the window will be created with; creates nothing yet.
    // None of the three is owned.
    void prepare(HWND parent, DLGPROC dialogProc, void* userData);

    // Centres the window on its reference window (its parent or owner, else
    // the desktop).  An x or y of -1 centres on that axis; any other value is
    // an offset from the reference's left or top.  x is nudged right by 4
    // and then lowered to a multiple of 8; y is taken as it is.  With
    // clampToMonitor the window is then moved into the work area of its
    // monitor.
    void center(int x, int y, bool clampToMonitor);
    // Places the window at (x, y) from the reference's top left, no nudge,
    // no alignment; a width or height of 0 or less keeps the current one.
    // With clampToMonitor the window is moved onto its monitor's whole area.
    void moveTo(int x, int y, int width, int height, bool clampToMonitor);

    // Scans ids (closed by a negative entry) from position *index for the
    // first button that reports itself checked, leaves *index on it and
    // returns its id.  -1 when none from there on is checked; *index is then
    // left on the end marker.
    int selectedButton(int* index, const int* ids) const;

    // Set by the dialog procedure at WM_INITDIALOG; 0 until then.
    HWND hwnd = nullptr;
    // The template as a resource name (MAKEINTRESOURCEA of its id).
    LPCSTR templateId;
    HWND parent = nullptr;
    void* userData = nullptr;
    DLGPROC dialogProc = nullptr;

private:
    // Puts the window at (x, y) with the given size, first moved into the
    // monitor's work area (or whole area) when asked.
    void place(std::int64_t x, std::int64_t y, int width, int height, bool clampToMonitor,
               bool workArea);
};
