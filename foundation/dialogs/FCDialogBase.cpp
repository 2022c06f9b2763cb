#include "FCDialogBase.h"

#include "foundation/system/FCRect.h"

#include <algorithm>
#include <limits>

namespace {

// Placement figures come from the caller as well as from the system; a far
// off offset must land at the edge of the coordinate range, not wrap round.
// room keeps that much space above the value, so that an edge plus the
// window's size still fits and the window keeps its size.
int clampToInt(std::int64_t value, std::int64_t room = 0)
{
    const std::int64_t lowest = std::numeric_limits<int>::min();
    const std::int64_t highest = std::int64_t{std::numeric_limits<int>::max()} - std::max<std::int64_t>(room, 0);
    return static_cast<int>(std::min(std::max(value, lowest), highest));
}

RECT windowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The window a dialog is placed against: its parent (for a top-level dialog
// that is its owner), else the whole desktop.
RECT referenceRect(HWND dialog)
{
    HWND reference = GetParent(dialog);
    return windowRect(reference != nullptr ? reference : GetDesktopWindow());
}

}  // namespace

FCDialogBase::FCDialogBase(std::uint16_t id) : templateId(MAKEINTRESOURCEA(id)) {}

FCDialogBase::~FCDialogBase() = default;

void FCDialogBase::prepare(HWND parentWindow, DLGPROC proc, void* data)
{
    parent = parentWindow;
    dialogProc = proc;
    userData = data;
}

void FCDialogBase::center(int x, int y, bool clampToMonitor)
{
    RECT own = windowRect(hwnd);
    RECT ref = referenceRect(hwnd);
    const std::int64_t width = std::int64_t{own.right} - own.left;
    const std::int64_t height = std::int64_t{own.bottom} - own.top;

    // C++ division truncates toward zero, which is the rounding we want.
    std::int64_t left = x == -1 ? ref.left + (std::int64_t{ref.right} - ref.left - width) / 2 + 4
                                : std::int64_t{ref.left} + x + 4;
    // Clearing the low bits rounds toward minus infinity, also for a
    // negative x: a dialog wider than its reference moves further left.
    left = clampToInt(left, width) & ~std::int64_t{7};
    std::int64_t top = y == -1 ? ref.top + (std::int64_t{ref.bottom} - ref.top - height) / 2
                               : std::int64_t{ref.top} + y;
    place(left, top, static_cast<int>(width), static_cast<int>(height), clampToMonitor, true);
}

void FCDialogBase::moveTo(int x, int y, int width, int height, bool clampToMonitor)
{
    RECT own = windowRect(hwnd);
    RECT ref = referenceRect(hwnd);
    if (width <= 0)
        width = own.right - own.left;
    if (height <= 0)
        height = own.bottom - own.top;
    place(std::int64_t{ref.left} + x, std::int64_t{ref.top} + y, width, height, clampToMonitor, false);
}

void FCDialogBase::place(std::int64_t x, std::int64_t y, int width, int height, bool clampToMonitor,
                         bool workArea)
{
    int left = clampToInt(x, width);
    int top = clampToInt(y, height);
    if (clampToMonitor) {
        FCRect bounds(left, top, left + width, top + height);
        bounds.normalize();
        RECT asked{bounds.left, bounds.top, bounds.right, bounds.bottom};
        MONITORINFOEXA info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoA(MonitorFromRect(&asked, MONITOR_DEFAULTTOPRIMARY), &info)) {
            const RECT& area = workArea ? info.rcWork : info.rcMonitor;
            FCRect limit(area.left, area.top, area.right, area.bottom);
            limit.normalize();
            bounds.fitInside(limit);
            left = bounds.left;
            top = bounds.top;
        }
    }
    MoveWindow(hwnd, left, top, width, height, TRUE);
}

int FCDialogBase::selectedButton(int* index, const int* ids) const
{
    if (index == nullptr || ids == nullptr || *index < 0)
        return -1;
    for (; ids[*index] >= 0; ++*index) {
        if (SendDlgItemMessageA(hwnd, ids[*index], BM_GETCHECK, 0, 0) == BST_CHECKED)
            return ids[*index];
    }
    return -1;
}
