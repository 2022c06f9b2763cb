#include "PatchDialog.h"

#include "app/resources/resource.h"
#include "engine/CommandParser.h"

bool PatchDialog::answer(UINT message, WPARAM wParam)
{
    if (message == WM_TIMER && wParam == DetailLine::kTimer) {
        detail.tick();
        return true;
    }
    if (message != WM_COMMAND)
        return false;
    // Esc and the close box reach here as 2, with the button disabled.
    if (running)
        return true;
    return answerButton(LOWORD(wParam));
}

bool PatchDialog::answerButton(int id)
{
    switch (id) {
    case IDOK:
        if (runState == 0)
            start();
        else
            EndDialog(hwnd, IDOK);
        return true;
    case IDCANCEL:
        EndDialog(hwnd, IDCANCEL);
        return true;
    case IDC_HELP_BUTTON:
        help();
        return true;
    default:
        return false;
    }
}

void PatchDialog::runCommands(const char* sourceRoot, const RunMessageSet& messages)
{
    auto& description = *static_cast<FCString*>(userData);
    running = true;
    carriedOut = runCommandSection(hwnd, detail, settings, description, sourceRoot, messages);
    running = false;
    if (commandFormatOf(settings.commandMode) != CommandFormat::None)
        runState = 1;
}
