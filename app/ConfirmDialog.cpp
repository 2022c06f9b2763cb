#include "ConfirmDialog.h"

#include "MessageDialogs.h"
#include "PatchDialog.h"

#include "app/resources/resource.h"
#include "foundation/dialogs/DialogObject.h"

namespace {

class ConfirmDialog : public PatchDialog {
public:
    explicit ConfirmDialog(RunSettings& settings) : PatchDialog(IDD_CONFIRM, settings) {}

private:
    void start() override { runCommands(settings.programFolder.text(), kConfirmMessages); }
    void help() override { showAbout(hwnd, settings); }
};

INT_PTR confirmProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        PatchDialog* dialog = attachDialog<PatchDialog>(window, lParam);
        showStatus(window, IDC_STATUS, 0, dialog->settings);
        dialog->center(-1, -1, false);
        return TRUE;
    }
    PatchDialog* dialog = dialogOf<PatchDialog>(window);
    return dialog != nullptr && dialog->answer(message, wParam);
}

}  // namespace

bool runConfirmDialog(RunSettings& settings, FCString& description)
{
    ConfirmDialog dialog(settings);
    dialog.run(nullptr, guarded<confirmProc>, &description);
    return dialog.carriedOut;
}
