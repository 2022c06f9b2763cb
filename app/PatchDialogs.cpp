#include "PatchDialogs.h"

#include "MessageTable.h"

#include "app/resources/resource.h"
#include "foundation/dialogs/FCDialog.h"

namespace {

class PatchDialog : public FCDialog {
public:
    PatchDialog(std::uint16_t templateId, const FCString& caption, const FCString& question)
        : FCDialog(templateId), caption(caption), question(question)
    {
    }
    FCString caption;
    FCString question;
};

INT_PTR CALLBACK patchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = static_cast<PatchDialog*>(reinterpret_cast<FCDialog*>(lParam));
        dialog->hwnd = window;
        SetWindowTextA(window, dialog->caption.text());
        SetDlgItemTextA(window, IDC_STATUS, dialog->question.text());
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

bool runPatchDialog(RunSettings& settings, FCString&)
{
    bool selection = settings.patchEntries.size() >= 2;
    const int questionIndex = selection ? 12 : 0;
    PatchDialog dialog(selection ? IDD_SELECT : IDD_CONFIRM,
                       selection ? settings.caption : FCString("brantlewick"),
                       MessageTable::text(questionIndex, settings.productName));
    dialog.run(nullptr, patchProc, nullptr);
    return false;
}
