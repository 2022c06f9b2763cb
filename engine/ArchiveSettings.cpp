#include "ArchiveSettings.h"

#include "ParameterText.h"

#include "foundation/system/FCPathName.h"

void readArchiveCommand(const CMD_DATA_& record, const char* installFolder,
                        ArchiveSettings& settings, FCString& indexPath)
{
    FCString a[5];
    FCString b[3];
    splitParameter(record.param1, a, true, " \t");
    splitParameter(record.param2, b, true, " \t");

    settings.options = a[0].toUnsigned();
    settings.inputFolder = a[1];
    settings.nameDigits = a[2].toInt();
    settings.firstId = a[3].toInt();
    settings.lastId = a[4].toInt();
    settings.resourceKind = b[1].toUnsigned();
    settings.groupNumber = b[2].toInt();

    indexPath = joinedPath(FCPathName(installFolder).text(), b[0]);
    FCPathName(indexPath).folderPart(settings.outputFolder, true);
}
