#include "UxProgressDialog.h"

#include "MessagePump.h"

#include <commctrl.h>

UxProgressDialog::UxProgressDialog(std::uint16_t id) : FCModelessDialog(id) {}

UxProgressDialog::~UxProgressDialog()
{
    close();
}

void UxProgressDialog::configureBar(int barId, bool show, std::int32_t position, std::int32_t minimum,
                                    std::int32_t maximum)
{
    barId_ = barId;
    options_ = show ? (options_ | kShowBar) : (options_ & ~kShowBar);
    barPosition_ = position;
    barMinimum_ = minimum;
    barMaximum_ = maximum;
}

void UxProgressDialog::setMessage(int textId, const FCString& text)
{
    textId_ = textId;
    message_ = text;
}

void UxProgressDialog::create(HWND parentWindow, bool allowCancel)
{
    if (created_)
        return;
    cancelled_ = false;
    options_ = allowCancel ? (options_ & ~kNoCancel) : (options_ | kNoCancel);
    prepare(parentWindow, procedure, this);
    // The template's bar needs its window class registered before the
    // dialog is made, or the whole dialog fails to be created.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), templateId, parent, dialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (window != nullptr)
        ShowWindow(window, SW_SHOWNORMAL);
    created_ = true;
}

void UxProgressDialog::pump()
{
    handleWaitingMessages(hwnd);
}

void UxProgressDialog::showItemText(const char* text)
{
    SetDlgItemTextA(hwnd, textId_, text);
}

void UxProgressDialog::requestCancel(bool force)
{
    if (force || (options_ & kNoCancel) == 0)
        cancelled_ = true;
}

void UxProgressDialog::close()
{
    if (created_ && hwnd != nullptr && IsWindow(hwnd))
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
}

void UxProgressDialog::initialize(HWND window)
{
    hwnd = window;
    if (textId_ >= 0)
        SetDlgItemTextA(window, textId_, message_.text());
    SetWindowTextA(window, title.text());
    if (barId_ >= 0) {
        if (options_ & kShowBar) {
            progress.attach(window, barId_);
            progress.setRange(barMinimum_, barMaximum_);
            progress.setPos(barPosition_);
        } else {
            ShowWindow(GetDlgItem(window, barId_), SW_HIDE);
        }
    }
    progress.setStep(1);
    if (options_ & kNoCancel)
        EnableWindow(GetDlgItem(window, IDCANCEL), FALSE);
    if (left == kNoPosition)
        center(-1, -1, false);
    else
        moveTo(left, top, -1, -1, false);
}

// Each window finds its own object through the window's user data rather
// than through one program-wide pointer: a Cancel, or a window destroyed
// with its owner, then always reaches the object it belongs to.
INT_PTR CALLBACK UxProgressDialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<UxProgressDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->initialize(window);
        return TRUE;
    }
    auto* self = reinterpret_cast<UxProgressDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) != IDCANCEL)
            return FALSE;
        self->requestCancel(false);
        return TRUE;
    case WM_CLOSE:
        // Closing is not cancelling: the work goes on without the window.
        DestroyWindow(window);
        return TRUE;
    case WM_DESTROY:
        // Also reached when the owner window goes first; from here on the
        // object no longer has a window, so pump and close do nothing.
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->hwnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}
