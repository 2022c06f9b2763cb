// The command section carried out inside a patch dialog: the copy list line
// by line, or the list of command records one after the other, each shown in
// the dialog's detail line while it runs, and the dialog's end texts and
// buttons once it is done.
#pragma once

#include "DetailLine.h"
#include "RunSettings.h"

#include "foundation/text/FCString.h"

#include <windows.h>

// The status texts (indices of MessageTable) that one patch dialog shows
// while and after its command section runs.
struct RunMessageSet {
    int running;       // while the commands run
    int failed;        // some copies failed, nothing to run, or the user gave up
    int finished;      // the commands have run
    int closeProgram;  // the detail under `failed`
};
inline constexpr RunMessageSet kConfirmMessages{1, 2, 3, 4};
inline constexpr RunMessageSet kSelectMessages{7, 8, 9, 10};

// Puts the text at index of the message table, for this run's product,
// into a control of the dialog.
void showStatus(HWND dialog, int control, int index, const RunSettings& settings);

// Carries out the command section from the description text's cursor on,
// in the format that settings.commandMode chooses, with the sources below
// sourceRoot and the targets below settings.installFolder.  While it runs,
// buttons 1, 2 and 1002 of dialog and its close box are disabled, control
// 1001 shows `running`, detail shows the line at work, and the dialog
// handles its messages between lines and during long work: it paints and
// answers the system (what the user does to it meanwhile is its owner's to
// ignore).  Afterwards 1001 and 1000 hold the end texts, 1 and 1002 are
// hidden and 2 reads "終了".  Each failed copy of the copy list, and each
// record that could not change the install folder as it asks, adds 1 to
// settings.failureCount.
//
// True when the command section was carried out whole: a format ran, it had
// something to run, no copy or record failed, and the user neither gave up in a file's
// Retry/Cancel box nor chose to stop after a program failed to start.  Only
// such a run may record the new version.
bool runCommandSection(HWND dialog, DetailLine& detail, RunSettings& settings,
                       FCString& description, const char* sourceRoot,
                       const RunMessageSet& messages);
