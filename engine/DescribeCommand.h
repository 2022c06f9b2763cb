// The one-line description of a command that the running dialog shows
// while the command is carried out.
#pragma once

#include "CommandRecord.h"

#include "foundation/text/FCString.h"

// Appends record's description to out: the copied file and where it goes,
// the path deleted, made or renamed, the INI file and its key, or the
// backup folder's making.  The other kinds have none.  Paths in the install
// folder are shown in full; the source root is not shown.
void describeCommand(const CMD_DATA_& record, FCString& out, const char* sourceRoot,
                     const char* installFolder);
