// Whether a patch of the selection dialog has been applied already.
#pragma once

#include "RunSettings.h"

#include "foundation/text/FCString.h"

// True when the entry's check file (below the install folder) begins with
// its four-byte signature: a signature byte of 255 matches any byte, and
// bytes past the end of a shorter file read as 0.  A check file that is
// missing, or is a folder, means the patch is not applied.  The file is
// read through FCFile, whose Retry/Cancel box asks when it cannot be
// opened (Cancel throws).
bool isPatchApplied(const PatchEntry& entry, const FCString& installFolder);
