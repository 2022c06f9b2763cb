#include "PatchDialog.h"

#include "app/resources/resource.h"
#include "engine/CommandParser.h"

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
    carriedOut = runCommandSection(hwnd, settings, description, sourceRoot, messages);
    if (commandFormatOf(settings.commandMode) != CommandFormat::None)
        runState = 1;
}
