#include "ConfirmDialog.h"

#include "MessageDialogs.h"
#include "PatchDialog.h"

#include "app/resources/resource.h"
#include "foundation/dialogs/DialogObject.h"

namespace {

INT_PTR confirmProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        PatchDialog* dialog = attachDialog<PatchDialog>(window, lParam);
        showStatus(window, IDC_STATUS, 0, dialog->settings);
        dialog->center(-1, -1, false);
        return TRUE;
    }
    PatchDialog* dialog = dialogOf<PatchDialog>(window);
    if (message != WM_COMMAND || !dialog)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        if (dialog->runState == 0)
            dialog->runCommands(dialog->settings.programFolder.text(), kConfirmMessages);
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

}  // namespace

bool runConfirmDialog(RunSettings& settings, FCString& description)
{
    PatchDialog dialog(IDD_CONFIRM, settings);
    dialog.run(nullptr, guarded<confirmProc>, &description);
    return dialog.carriedOut;
}
