// Carrying out one command record against the install folder.
#pragma once

#include "CommandRecord.h"

#include "foundation/text/FCString.h"

#include <windows.h>

// The folder that the latest backup-folder command made, empty before the
// first; "%backup%" in later commands stands for it.  It lives as long as
// the process.
FCString& backupFolder();

// Carries out record with sources below sourceRoot and targets below
// installFolder (both texts ending with "\\"; relative ones count from the
// current folder).  owner is handed to the archive builder's progress
// dialogs.  False when the record failed: an update whose source is
// missing, a failed copy, delete, rename or program start, an "end" whose
// condition does not hold.
//
// Cancel in a file's Retry/Cancel box (byte patches, range copies) leaves
// through the file class's exception, with every file of the record closed.
bool applyCommand(const CMD_DATA_& record, const char* sourceRoot, const char* installFolder,
                  HWND owner);
