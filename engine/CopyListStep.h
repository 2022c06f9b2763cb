// Carrying out one line of the copy list.
#pragma once

#include "CommandParser.h"

// The file that line writes: the plain join of the install folder and the
// line's destination.
FCString copyLineTarget(const CopyListLine& line, const char* installFolder);

// Moves the file that line replaces to its backup (when the line names a
// backup pattern) and copies the source over it.  Paths are the plain joins
// of the roots and the line's fields.  False when the copy failed.
bool applyCopyLine(const CopyListLine& line, const char* sourceRoot, const char* installFolder);
