// Backups: the search for a backup name that is not taken yet, and moving
// a file there.
#pragma once

#include "foundation/text/FCString.h"

// Tries pattern with every "%1" replaced by 0, 1, 2, ... written as eight
// lower-case hexadecimal digits ("0000000a" for 10), up to 0x7FFFFFFE, and
// writes the first name that does not exist to out.  A pattern without
// "%1" is tried once.  False, with out unchanged, when no free name was
// found.
bool freeName(const FCString& pattern, FCString& out);

// The backup name for pattern: the free name, or, when there is none (a
// pattern without "%1" whose name exists), the pattern itself, so that the
// newest backup replaces the older one instead of the run searching on.
FCString backupNameFor(const FCString& pattern);

// Makes the folders on the way to the backup name (its folder part).
void makeBackupFolders(const FCString& backup);

// Moves file to backup, making the folders on the way first.  True when the
// file is out of the way: moved, or there was no such file.  False when it
// is still there, so that the caller does not overwrite a file that has no
// backup.
bool moveToBackup(const FCString& file, const FCString& backup);
