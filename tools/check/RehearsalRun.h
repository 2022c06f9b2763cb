// One update of a rehearsal: a patch folder's description read as the
// program reads it, and its command section carried out by the program's
// engine on the copy of the install folder, with the program's rules for
// the version gate, the selection dialog's entry and the recording of the
// new version.  The current folder is the rehearsal's working folder.
#pragma once

#include "Rehearsal.h"

#include <string>

// patchFolder and copy end with "\\".  False, with the reason in error,
// when the description cannot be read or options name an entry the
// selection dialog does not offer.
bool rehearseUpdate(const std::string& patchFolder, const std::string& copy,
                    const RehearsalOptions& options, RehearsedUpdate& out, std::string& error);
