// show-dialog: shows one of the program's dialog templates with sample texts
// for a moment, then exits.  scripts/screens photographs it.
//
//   show-dialog.exe TEMPLATE-ID [MILLISECONDS]   (default 3000)
//
// Exit code 0 when the dialog was shown, 2 for a bad argument, 1 when the
// template could not be made into a dialog.
#include "app/resources/resource.h"
#include "ShowDialogTexts.h"
#include "engine/EngineTexts.h"
#include "foundation/dialogs/FCDialog.h"
#include "foundation/dialogs/UxProgressDialog.h"

#include <windows.h>

#include <cstdlib>

namespace {

const UINT_PTR kCloseTimer = 1;

struct Sample {
    std::uint16_t templateId;
    UINT milliseconds;
};

void fillSamples(HWND window, std::uint16_t id)
{
    switch (id) {
    case IDD_CONFIRM:
        SetDlgItemTextA(window, IDC_STATUS, sampletexts::kSampleStartQuestion);
        SetDlgItemTextA(window, IDC_DETAIL, sampletexts::kSampleDescription);
        break;
    case IDD_QUESTION:
        SetDlgItemTextA(window, IDC_DETAIL, sampletexts::kSampleQuestion);
        break;
    case IDD_MESSAGE:
        SetDlgItemTextA(window, IDC_VERSION, "brantlewick ver. 1.00  rev. 1");
        SetDlgItemTextA(window, IDC_DETAIL, sampletexts::kSampleFinished);
        break;
    case IDD_SELECT:
        SetDlgItemTextA(window, IDC_PATCH0, sampletexts::kSamplePatch0);
        SetDlgItemTextA(window, IDC_PATCH1, sampletexts::kSamplePatch1);
        ShowWindow(GetDlgItem(window, IDC_PATCH0), SW_SHOW);
        ShowWindow(GetDlgItem(window, IDC_PATCH1), SW_SHOW);
        CheckRadioButton(window, IDC_PATCH0, IDC_PATCH2, IDC_PATCH0);
        SetDlgItemTextA(window, IDC_STATUS, sampletexts::kSampleStartQuestion);
        SetDlgItemTextA(window, IDC_DETAIL, sampletexts::kSampleDescription);
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK sampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        auto* dialog = reinterpret_cast<FCDialog*>(lParam);
        dialog->hwnd = window;
        const auto* sample = static_cast<const Sample*>(dialog->userData);
        fillSamples(window, sample->templateId);
        dialog->center(-1, -1, false);
        SetTimer(window, kCloseTimer, sample->milliseconds, nullptr);
        return TRUE;
    }
    case WM_TIMER:
        if (wParam != kCloseTimer)
            return FALSE;
        EndDialog(window, 0);
        return TRUE;
    case WM_COMMAND:
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

int showProgress(UINT milliseconds)
{
    // As the archive builder's writing stage shows it, two fifths through.
    UxProgressDialog dialog(IDD_PROGRESS);
    dialog.title = texts::kArchiveWriteTitle;
    dialog.configureBar(IDC_PROGRESS, true, 0, 0, 5);
    dialog.setMessage(IDC_DETAIL, sampletexts::kSampleArchivedFile);
    dialog.create(nullptr, true);
    if (dialog.hwnd == nullptr)
        return 1;
    for (int i = 0; i < 2; ++i)
        dialog.progress.stepIt();
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        dialog.pump();
        Sleep(20);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    char* end = nullptr;
    const long id = std::strtol(commandLine, &end, 10);
    if (end == commandLine || id < IDD_CONFIRM || id > IDD_SELECT)
        return 2;
    const long milliseconds = *end != '\0' ? std::strtol(end, nullptr, 10) : 3000;
    if (milliseconds <= 0)
        return 2;

    Sample sample{static_cast<std::uint16_t>(id), static_cast<UINT>(milliseconds)};
    if (sample.templateId == IDD_PROGRESS)
        return showProgress(sample.milliseconds);
    FCDialog dialog(sample.templateId);
    return dialog.run(nullptr, sampleProc, &sample) == -1 ? 1 : 0;
}
