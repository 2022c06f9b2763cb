#include "RehearsalVersion.h"

#include "Bytes.h"
#include "DescriptionCheck.h"

#include "app/VersionRecord.h"

#include <algorithm>

namespace {

bool inFile(const RunSettings& settings)
{
    return settings.versionSource == 1 || settings.versionSource == 4;
}

}  // namespace

std::string versionFileBelow(const RunSettings& settings, const std::string& copy)
{
    if (!inFile(settings))
        return {};
    // The file was joined to the copy as the U line was read.
    std::string file = bytesOf(settings.versionFile);
    return file.substr(std::min(copy.size(), file.size()));
}

bool versionReachable(const RunSettings& settings, const std::string& copy)
{
    return !inFile(settings) || !leavesFolder(versionFileBelow(settings, copy).c_str());
}

std::string versionRecordText(const RunSettings& s, const std::string& copy)
{
    if (!versionReachable(s, copy))
        return {};
    std::string file = versionFileBelow(s, copy);
    std::string name = bytesOf(s.versionValueName);
    std::string value = " = " + bytesOf(s.newVersion);
    switch (s.versionSource) {
    case 1:
        return "ini " + file + " [" + bytesOf(s.versionSection) + "] " + name + value;
    case 2:
        return "registry HKEY_CURRENT_USER\\" + bytesOf(s.versionSection) + " " + name + value;
    case 3:
        return "registry HKEY_LOCAL_MACHINE\\" + bytesOf(s.versionSection) + " " + name + value;
    case 4:
        // The settings file keeps the version as a number.
        return "settings " + file + " " + name + " = " + std::to_string(s.newVersion.toInt());
    default:
        return {};
    }
}

void recordVersionInCopy(const RunSettings& settings)
{
    if (inFile(settings))
        recordNewVersion(settings);
}
