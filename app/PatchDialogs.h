// The dialog in which the user starts the update.
#pragma once

#include "RunSettings.h"

#include "foundation/text/FCString.h"

// Shows the confirmation dialog (fewer than two patch entries) or the
// selection dialog, with the description text's cursor behind its header.
// True when the dialog carried out the whole command section, so that the
// run may record the new version.
bool runPatchDialog(RunSettings& settings, FCString& description);
