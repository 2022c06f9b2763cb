#include "CopyListStep.h"

#include "FreeName.h"
#include "ParameterText.h"

#include "app/resources/resource.h"
#include "foundation/files/FCFile.h"

bool applyCopyLine(const CopyListLine& line, const char* sourceRoot, const char* installFolder,
                   HWND dialog)
{
    FCString source = joinedPath(sourceRoot, line.source);
    FCString destination = joinedPath(installFolder, line.destination);
    // Without a source the file in place is not moved to its backup: the
    // copy would fail and leave the product without it.
    bool sourceExists = FCFile::exists(source.text());
    if (sourceExists && !line.backupPattern.empty()) {
        FCString backup = backupNameFor(joinedPath(installFolder, line.backupPattern));
        MoveFileExA(destination.text(), backup.text(), MOVEFILE_REPLACE_EXISTING);
    }
    SetDlgItemTextA(dialog, IDC_DETAIL, destination.text());
    return sourceExists && CopyFileA(source.text(), destination.text(), FALSE) != FALSE;
}
