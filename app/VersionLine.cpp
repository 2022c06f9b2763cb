#include "VersionLine.h"

void parseFileVersion(const FCString& source, FileVersion& version)
{
    FCString text(source);
    text.rewind();
    version.number[0] = text.toInt(true);
    for (int i = 1; i < 4; ++i) {
        if (text.findChar(',') == nullptr)
            return;
        if (text.skipSet(",") == nullptr)
            return;
        version.number[i] = text.toInt(true);
    }
}

FCString versionLine(const FileVersion& version)
{
    FCString line("brantlewick ver. ");
    line.appendInt(version.number[0]);
    line.append(".");
    line.appendInt(version.number[1]);
    line.appendInt(version.number[2]);
    line.append("  rev. ");
    line.appendInt(version.number[3]);
    return line;
}
