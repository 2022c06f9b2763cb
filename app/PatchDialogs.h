// The two dialogs in which the user starts the update: the confirmation of
// a single patch and the selection among several.
#pragma once

#include "RunSettings.h"

#include "foundation/text/FCString.h"

// Shows the confirmation dialog (fewer than two patch entries) or the
// selection dialog, with the description text's cursor behind its header.
// True when the dialog carried out the whole command section, so that the
// run may record the new version.
//
// The selection dialog asks its question and closes without running a
// command until the choice among patches is built, so it records nothing.
bool runPatchDialog(RunSettings& settings, FCString& description);
