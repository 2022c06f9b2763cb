// The selection dialog (template 105): offers patch entries 0 to 2 as radio
// buttons, shows the chosen one's description, refuses a patch of an
// unknown condition mode, asks before applying a patch again, and runs the
// command section from the chosen patch's source folder.
#pragma once

#include "RunSettings.h"

#include "foundation/text/FCString.h"

// Shows the dialog modally; true when it carried out the whole command
// section of description, whose cursor stands behind the header.
bool runSelectDialog(RunSettings& settings, FCString& description);
