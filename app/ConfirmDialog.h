// The confirmation dialog of a single patch (template 101): asks, runs the
// command section on はい, shows how it ended and waits for 終了.
#pragma once

#include "RunSettings.h"

#include "foundation/text/FCString.h"

// Shows the dialog modally; true when it carried out the whole command
// section of description, whose cursor stands behind the header.
bool runConfirmDialog(RunSettings& settings, FCString& description);
