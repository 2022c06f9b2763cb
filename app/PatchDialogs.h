// The two dialogs in which the user starts the update: the confirmation of
// a single patch and the selection among several.
#pragma once

#include "RunSettings.h"

#include "foundation/text/FCString.h"

// Shows the confirmation dialog (fewer than two patch entries) or the
// selection dialog, with the description text's cursor behind its header.
// True when the dialog carried out the command section.
//
// The command engine is not in this program yet: both dialogs ask their
// question and close without running a command, so nothing is recorded.
bool runPatchDialog(RunSettings& settings, FCString& description);
