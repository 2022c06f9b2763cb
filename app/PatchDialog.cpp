#include "PatchDialog.h"

#include "engine/CommandParser.h"

void PatchDialog::runCommands(const char* sourceRoot, const RunMessageSet& messages)
{
    auto& description = *static_cast<FCString*>(userData);
    carriedOut = runCommandSection(hwnd, settings, description, sourceRoot, messages);
    if (commandFormatOf(settings.commandMode) != CommandFormat::None)
        runState = 1;
}
