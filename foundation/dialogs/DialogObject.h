// How a dialog procedure finds its dialog object, and the guard that keeps
// exceptions from crossing the system's window procedures.
#pragma once

#include "FCDialogBase.h"

#include "foundation/text/Diagnostic.h"

#include <windows.h>

// At WM_INITDIALOG: the dialog object arrives as the creation parameter; it
// is kept with the window for the messages that follow.
template <typename Dialog>
Dialog* attachDialog(HWND window, LPARAM param)
{
    auto* dialog = static_cast<Dialog*>(reinterpret_cast<FCDialogBase*>(param));
    dialog->hwnd = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, param);
    return dialog;
}

// The object attached to the window; nullptr for the messages that come
// before WM_INITDIALOG.
template <typename Dialog>
Dialog* dialogOf(HWND window)
{
    return static_cast<Dialog*>(
        reinterpret_cast<FCDialogBase*>(GetWindowLongPtrA(window, GWLP_USERDATA)));
}

// No exception may cross the system's window procedures: one that reaches
// a dialog procedure ends that dialog as its close box would, after the
// out-of-memory box when memory ran out.
template <INT_PTR (*Handle)(HWND, UINT, WPARAM, LPARAM)>
INT_PTR CALLBACK guarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return Handle(window, message, wParam, lParam);
    } catch (...) {
        showWhenOutOfMemory();
        EndDialog(window, IDCANCEL);
        return TRUE;
    }
}
