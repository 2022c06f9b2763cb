// Carrying out one command record against the install folder.
#pragma once

#include "CommandRecord.h"

#include "foundation/text/FCString.h"

#include <windows.h>

// The folder that the latest backup-folder command made, empty before the
// first; "%backup%" in later commands stands for it.  It lives as long as
// the process.
FCString& backupFolder();

// What became of one record.
enum class CommandResult {
    Done,     // carried out; for an "end" record, its condition holds
    NotDone,  // nothing to do: a source or file that is not there, a
              // program that did not start, an "end" whose condition does
              // not hold
    // The install folder could not be changed as the record asks: a file
    // that could not be written, backed up, moved or removed, an INI key
    // not written, an archive not written.  Whatever the record touched is
    // whole (old bytes in place or in its backup), but the update is not
    // carried out, and the run must say so.
    WriteFailed,
};

// Carries out record with sources below sourceRoot and targets below
// installFolder (both texts ending with "\\"; relative ones count from the
// current folder).  owner is handed to the archive builder's progress
// dialogs.
//
// Cancel in a file's Retry/Cancel box (byte patches, range copies) leaves
// through the file class's exception, with every file of the record closed.
CommandResult carryOutCommand(const CMD_DATA_& record, const char* sourceRoot,
                              const char* installFolder, HWND owner);

// The same, true only when the record was carried out.
bool applyCommand(const CMD_DATA_& record, const char* sourceRoot, const char* installFolder,
                  HWND owner);
