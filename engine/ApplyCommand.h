// Carrying out one command record against the install folder.
#pragma once

#include "CommandRecord.h"

#include "foundation/text/FCString.h"

#include <windows.h>

#include <cstdint>

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

// Where the archive builder shows how far it is: a dialog template of the
// running program's resources with a text and a bar, owned by owner.  Its
// default shows nothing.
struct ProgressWindow {
    HWND owner = nullptr;
    std::int32_t templateId = 0;
    std::int32_t textId = -1;
    std::int32_t barId = -1;
};

// Carries out record with sources below sourceRoot and targets below
// installFolder (both texts ending with "\\"; relative ones count from the
// current folder).  The archive builder shows its progress in progress.
//
// Cancel in a file's Retry/Cancel box (byte patches, range copies) leaves
// through the file class's exception, with every file of the record closed.
CommandResult carryOutCommand(const CMD_DATA_& record, const char* sourceRoot,
                              const char* installFolder, const ProgressWindow& progress = {});

// The same, true only when the record was carried out.
bool applyCommand(const CMD_DATA_& record, const char* sourceRoot, const char* installFolder,
                  const ProgressWindow& progress = {});

// Opens the file or program of an "e" record below sourceRoot with its
// parameters; Done when it started, else NotDone.
CommandResult openProgram(const CMD_DATA_& record, const char* sourceRoot);
