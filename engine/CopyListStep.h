// Carrying out one line of the copy list.
#pragma once

#include "CommandParser.h"

#include <windows.h>

// Moves the file that line replaces to its backup (when the line names a
// backup pattern), shows the destination in the dialog's detail line and
// copies the source over it.  Paths are the plain joins of the roots and
// the line's fields.  False when the copy failed.
bool applyCopyLine(const CopyListLine& line, const char* sourceRoot, const char* installFolder,
                   HWND dialog);
