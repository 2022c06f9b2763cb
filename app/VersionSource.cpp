#include "VersionSource.h"

#include "HeaderSyntax.h"

void parseVersionSource(RunSettings& settings, FCString& value)
{
    FCString field;
    std::int32_t type = header::cutField(value, field) ? field.toInt() : 0;
    if (type < 1 || type > 4) {
        settings.versionSource = 0;
        settings.versionFile.clear();
        return;
    }
    settings.versionSource = type;
    bool inFile = type == 1 || type == 4;
    if (!header::cutField(value, field))
        return;
    if (inFile) {
        FCString path(settings.installFolder);
        path.append(field.text());
        settings.versionFile = path;
    } else {
        settings.versionSection = field;
    }
    if (!header::cutField(value, field))
        return;
    if (type == 1) {
        settings.versionSection = field;
        if (header::cutField(value, field))
            settings.versionValueName = field;
    } else {
        settings.versionValueName = field;
    }
}
