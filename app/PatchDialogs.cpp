#include "PatchDialogs.h"

#include "ConfirmDialog.h"
#include "SelectDialog.h"

bool runPatchDialog(RunSettings& settings, FCString& description)
{
    if (settings.patchEntries.size() >= 2)
        return runSelectDialog(settings, description);
    return runConfirmDialog(settings, description);
}
