#include "PatchDialogs.h"

#include "CommandRun.h"
#include "MessageDialogs.h"
#include "MessageTable.h"

#include "app/resources/resource.h"
#include "engine/CommandParser.h"
#include "foundation/dialogs/FCDialog.h"

namespace {

// The confirmation dialog: asks, runs the command section on はい, shows
// how it ended and waits for 終了.
class ConfirmDialog : public FCDialog {
public:
    explicit ConfirmDialog(RunSettings& settings) : FCDialog(IDD_CONFIRM), settings(settings) {}

    RunSettings& settings;
    // 0 until the commands have run, 1 afterwards.
    int runState = 0;
    bool carriedOut = false;
};

void startUpdate(ConfirmDialog& dialog)
{
    auto& description = *static_cast<FCString*>(dialog.userData);
    dialog.carriedOut = runCommandSection(dialog.hwnd, dialog.settings, description,
                                          dialog.settings.programFolder.text(), kConfirmMessages);
    if (commandFormatOf(dialog.settings.commandMode) != CommandFormat::None)
        dialog.runState = 1;
}

INT_PTR CALLBACK confirmProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = static_cast<ConfirmDialog*>(reinterpret_cast<FCDialog*>(lParam));
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->hwnd = window;
        SetDlgItemTextA(window, IDC_STATUS,
                        MessageTable::text(0, dialog->settings.productName).text());
        dialog->center(-1, -1, false);
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    auto* dialog = static_cast<ConfirmDialog*>(
        reinterpret_cast<FCDialog*>(GetWindowLongPtrA(window, DWLP_USER)));
    if (!dialog)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        if (dialog->runState == 0)
            startUpdate(*dialog);
        else
            EndDialog(window, IDOK);
        return TRUE;
    case IDCANCEL:
        EndDialog(window, IDCANCEL);
        return TRUE;
    case IDC_HELP_BUTTON:
        showAbout(window, dialog->settings);
        return TRUE;
    default:
        return FALSE;
    }
}

// The selection dialog until the choice among patches is built: its
// question, and either button closes it.
class SelectDialog : public FCDialog {
public:
    explicit SelectDialog(const RunSettings& settings) : FCDialog(IDD_SELECT), settings(settings)
    {
    }
    const RunSettings& settings;
};

INT_PTR CALLBACK selectProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = static_cast<SelectDialog*>(reinterpret_cast<FCDialog*>(lParam));
        dialog->hwnd = window;
        SetWindowTextA(window, dialog->settings.caption.text());
        SetDlgItemTextA(window, IDC_STATUS,
                        MessageTable::text(12, dialog->settings.productName).text());
        dialog->center(-1, -1, false);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool runPatchDialog(RunSettings& settings, FCString& description)
{
    if (settings.patchEntries.size() >= 2) {
        SelectDialog dialog(settings);
        dialog.run(nullptr, selectProc, &description);
        return false;
    }
    ConfirmDialog dialog(settings);
    dialog.run(nullptr, confirmProc, &description);
    return dialog.carriedOut;
}
