// The command section carried out inside a patch dialog's run: the copy
// list line by line, or the list of command records one after the other,
// each shown in the dialog's detail line while it runs.
#pragma once

#include "RunSettings.h"

#include "engine/CommandParser.h"
#include "engine/CommandRecord.h"
#include "foundation/text/FCXList.h"

#include <windows.h>

// How a command list ended.
struct CommandRunEnd {
    // The user gave up on a file in its Retry/Cancel box; the records from
    // that one on did not run.
    bool givenUp = false;
    // The message of the "end" record that stopped the run, as written.
    FCString endMessage;
};

// Carries out every line of the copy list; each failed copy adds 1 to
// settings.failureCount.
void runCopyList(CommandSectionReader& section, RunSettings& settings, const char* sourceRoot,
                 HWND dialog);

// Carries out records in order until the first "end" record whose
// condition holds, or until the user declines to go on after a program
// could not be started.
CommandRunEnd runCommandList(FCXList<CMD_DATA_>& records, const char* sourceRoot,
                             const char* installFolder, HWND dialog);
