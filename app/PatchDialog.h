// What the confirmation and the selection dialog have in common: the run
// they belong to and whether their commands have run.
#pragma once

#include "CommandRun.h"
#include "RunSettings.h"

#include "foundation/dialogs/FCDialog.h"
#include "foundation/text/FCString.h"

class PatchDialog : public FCDialog {
public:
    PatchDialog(std::uint16_t templateId, RunSettings& settings)
        : FCDialog(templateId), settings(settings)
    {
    }

    // What both dialogs answer alike, for a dialog procedure: the buttons 1
    // (starts before the run, closes with 1 after it), 2 (closes with 2)
    // and 1002 (helps), and the detail line's timer.  While the commands
    // run, no button, key or close box does anything.  False for anything
    // else.
    bool answer(UINT message, WPARAM wParam);

    // Runs the command section of the description text (the dialog's data)
    // with sources below sourceRoot, showing the texts of messages.
    void runCommands(const char* sourceRoot, const RunMessageSet& messages);

    RunSettings& settings;
    DetailLine detail;
    // 0 until the commands have run, 1 afterwards.
    int runState = 0;
    // The whole command section was carried out: the run may record the new
    // version.
    bool carriedOut = false;
    // The commands are running.
    bool running = false;

private:
    bool answerButton(int id);
    // What 1 does before the run, and what 1002 does.
    virtual void start() = 0;
    virtual void help() = 0;
};
