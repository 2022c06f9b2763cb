#include "SelectDialog.h"

#include "AppliedCheck.h"
#include "MessageDialogs.h"
#include "PatchDialog.h"
#include "RunTexts.h"

#include "app/resources/resource.h"
#include "foundation/dialogs/DialogObject.h"
#include "foundation/files/FileExceptions.h"
#include "foundation/system/FCPathName.h"
#include "foundation/text/MbText.h"

#include <shellapi.h>

namespace {

// Position i stands for the patch entry numbered i.
const int kRadioButtons[] = {IDC_PATCH0, IDC_PATCH1, IDC_PATCH2, -1};
const int kRadioCount = kOfferedPatches;

const int kChooseMessage = 12;
const int kUnknownModeMessage = 13;
const int kChooseAnotherMessage = 14;

// The entry of the checked radio button; nullptr when none is checked or
// its entry does not exist.
const PatchEntry* chosenEntry(const PatchDialog& dialog)
{
    int position = 0;
    if (dialog.selectedButton(&position, kRadioButtons) < 0)
        return nullptr;
    return dialog.settings.patchEntries.find(position);
}

void offerEntries(HWND window, const RunSettings& settings)
{
    for (int i = 0; i < kRadioCount; ++i) {
        const PatchEntry* entry = settings.patchEntries.find(i);
        if (!entry)
            continue;
        HWND button = GetDlgItem(window, kRadioButtons[i]);
        SetWindowTextA(button, entry->label.text());
        ShowWindow(button, SW_SHOWNA);
    }
    // Checked also when it stays hidden: 実行 then does nothing until the
    // user picks an offered patch.
    CheckDlgButton(window, IDC_PATCH0, BST_CHECKED);
}

void initialise(PatchDialog& dialog)
{
    const RunSettings& settings = dialog.settings;
    SetWindowTextA(dialog.hwnd, settings.caption.text());
    if (!settings.helpLabel.empty())
        SetDlgItemTextA(dialog.hwnd, IDC_HELP_BUTTON, settings.helpLabel.text());
    offerEntries(dialog.hwnd, settings);
    showStatus(dialog.hwnd, IDC_STATUS, kChooseMessage, settings);
    SetDlgItemTextA(dialog.hwnd, IDC_DETAIL, "");
    dialog.center(-1, -1, false);
}

// False, with the reason in the status line, when the entry must not be
// applied now.
bool mayApply(PatchDialog& dialog, const PatchEntry& entry)
{
    if (entry.conditionMode != 0) {
        showStatus(dialog.hwnd, IDC_STATUS, kUnknownModeMessage, dialog.settings);
        return false;
    }
    bool refused;
    try {
        refused = isPatchApplied(entry, dialog.settings.installFolder) &&
                  !askYesNo(dialog.hwnd, runtexts::kReapplyQuestion, runtexts::kReapplyTitle);
    } catch (const FileGivenUpException&) {
        // The check file could not be read, and its box has said so.
        refused = true;
    }
    if (refused)
        showStatus(dialog.hwnd, IDC_STATUS, kChooseAnotherMessage, dialog.settings);
    return !refused;
}

void applyChosen(PatchDialog& dialog)
{
    const PatchEntry* entry = chosenEntry(dialog);
    if (!entry || !mayApply(dialog, *entry))
        return;
    // The extended source root holds for the rest of the run.
    dialog.settings.programFolder.append(entry->sourceFolder.text());
    for (int i = 0; i < kRadioCount; ++i)
        EnableWindow(GetDlgItem(dialog.hwnd, kRadioButtons[i]), FALSE);
    dialog.runCommands(dialog.settings.programFolder.text(), kSelectMessages);
}

// The radio button the user clicked becomes the only checked one: the
// system's own unchecking passes over a hidden button, which would stay
// checked in front of the user's choice.
void choose(const PatchDialog& dialog, int button)
{
    if (IsDlgButtonChecked(dialog.hwnd, button) == BST_CHECKED)
        CheckRadioButton(dialog.hwnd, IDC_PATCH0, IDC_PATCH2, button);
    if (const PatchEntry* entry = chosenEntry(dialog))
        SetDlgItemTextA(dialog.hwnd, IDC_DETAIL, entry->description.text());
}

void openHelp(const PatchDialog& dialog)
{
    const FCString& target = dialog.settings.helpTarget;
    if (target.empty()) {
        showAbout(dialog.hwnd, dialog.settings);
        return;
    }
    if (mb::findSub(target.text(), "//")) {
        FCString question(runtexts::kOpenHelpQuestion);
        question.append(target.text());
        if (askYesNo(dialog.hwnd, question.text(), runtexts::kOpenSiteTitle))
            ShellExecuteA(dialog.hwnd, "open", target.text(), nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    // A file shipped beside the program.
    FCString path(FCPathName(FCPathName::kExecutableFolder).text());
    path.append(target.text());
    ShellExecuteA(dialog.hwnd, "open", path.text(), nullptr, nullptr, SW_SHOWNORMAL);
}

class SelectDialog : public PatchDialog {
public:
    explicit SelectDialog(RunSettings& settings) : PatchDialog(IDD_SELECT, settings) {}

private:
    void start() override { applyChosen(*this); }
    void help() override { openHelp(*this); }
};

INT_PTR selectProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        PatchDialog* dialog = attachDialog<PatchDialog>(window, lParam);
        initialise(*dialog);
        return TRUE;
    }
    PatchDialog* dialog = dialogOf<PatchDialog>(window);
    if (!dialog)
        return FALSE;
    int id = LOWORD(wParam);
    if (message == WM_COMMAND && !dialog->running &&
        (id == IDC_PATCH0 || id == IDC_PATCH1 || id == IDC_PATCH2)) {
        choose(*dialog, id);
        return TRUE;
    }
    return dialog->answer(message, wParam);
}

}  // namespace

bool runSelectDialog(RunSettings& settings, FCString& description)
{
    SelectDialog dialog(settings);
    dialog.run(nullptr, guarded<selectProc>, &description);
    return dialog.carriedOut;
}
