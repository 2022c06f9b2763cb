#include "CopyListStep.h"

#include "FreeName.h"
#include "ParameterText.h"

#include "foundation/files/FCFile.h"
#include "foundation/files/FCFileUty.h"

FCString copyLineTarget(const CopyListLine& line, const char* installFolder)
{
    return joinedPath(installFolder, line.destination);
}

bool applyCopyLine(const CopyListLine& line, const char* sourceRoot, const char* installFolder)
{
    FCString source = joinedPath(sourceRoot, line.source);
    FCString destination = copyLineTarget(line, installFolder);
    // Without a source the file in place is not moved to its backup: the
    // copy would fail and leave the product without it.
    // Nor is it overwritten when it could not be moved to its backup.
    bool ready = FCFile::exists(source.text()) &&
                 (line.backupPattern.empty() ||
                  moveToBackup(destination,
                               backupNameFor(joinedPath(installFolder, line.backupPattern))));
    // Whole or not at all: a copy that fails halfway leaves no part of the
    // file at the destination.
    return ready && FCFileUty::copyWhole(destination.text(), source.text());
}
