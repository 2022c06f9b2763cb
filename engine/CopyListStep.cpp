#include "CopyListStep.h"

#include "FreeName.h"

#include "app/resources/resource.h"
#include "foundation/files/FCFile.h"

namespace {

FCString joined(const char* root, const FCString& relative)
{
    FCString path(root);
    path.append(relative.text());
    return path;
}

}  // namespace

bool applyCopyLine(const CopyListLine& line, const char* sourceRoot, const char* installFolder,
                   HWND dialog)
{
    FCString source = joined(sourceRoot, line.source);
    FCString destination = joined(installFolder, line.destination);
    // Without a source the file in place is not moved to its backup: the
    // copy would fail and leave the product without it.
    bool sourceExists = FCFile::exists(source.text());
    if (sourceExists && !line.backupPattern.empty()) {
        FCString backup = backupNameFor(joined(installFolder, line.backupPattern));
        MoveFileExA(destination.text(), backup.text(), MOVEFILE_REPLACE_EXISTING);
    }
    SetDlgItemTextA(dialog, IDC_DETAIL, destination.text());
    return sourceExists && CopyFileA(source.text(), destination.text(), FALSE) != FALSE;
}
