#include "ArchiveSettings.h"

#include "foundation/system/FCPathName.h"

namespace {

// The fields of a parameter, separated by "," with blanks before each.
template <int Count>
void splitParameter(const FCString& parameter, FCString (&fields)[Count])
{
    FCString text(parameter);
    text.rewind();
    text.splitFields(fields, Count, ",", true, false, " \t");
}

}  // namespace

void readArchiveCommand(const CMD_DATA_& record, const char* installFolder,
                        ArchiveSettings& settings, FCString& indexPath)
{
    FCString a[5];
    FCString b[3];
    splitParameter(record.param1, a);
    splitParameter(record.param2, b);

    settings.options = a[0].toUnsigned();
    settings.inputFolder = a[1];
    settings.nameDigits = a[2].toInt();
    settings.firstId = a[3].toInt();
    settings.lastId = a[4].toInt();
    settings.resourceKind = b[1].toUnsigned();
    settings.groupNumber = b[2].toInt();

    indexPath = FCPathName(installFolder).text();
    indexPath.append(b[0].text());
    FCPathName(indexPath).folderPart(settings.outputFolder, true);
}
