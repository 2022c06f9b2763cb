#include "VersionRecord.h"

#include "foundation/files/IniFile.h"

#include "foundation/system/FCRegistry.h"
#include "foundation/system/UxRnf.h"

#include <windows.h>

namespace {

const REGSAM kFullAccess = 0xF003F;

HKEY rootOf(std::int32_t source)
{
    return source == 2 ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

bool isRegistrySource(std::int32_t source)
{
    return source == 2 || source == 3;
}

}  // namespace

std::int32_t readInstalledVersion(const RunSettings& s)
{
    switch (s.versionSource) {
    case 1: {
        IniFile ini;
        ini.bind(s.versionFile.text(), false);
        return ini.readInt(s.versionValueName.text(), 0, s.versionSection.text());
    }
    case 2:
    case 3: {
        FCRegistry key;
        if (!key.open(rootOf(s.versionSource), s.versionSection.text(), kFullAccess))
            return 0;
        FCString value(key.getString(s.versionValueName.text(), "0"));
        return value.toInt();
    }
    case 4: {
        // The settings object writes the file back when it goes, after a
        // read as well.
        UxRnf settingsFile;
        settingsFile.load(s.versionFile.text());
        std::int32_t version = 0;
        settingsFile.getInt(version, s.versionValueName.text(), 0, -1, false);
        return version;
    }
    default:
        return 0;
    }
}

void recordNewVersion(const RunSettings& s)
{
    if (s.versionSource == 1) {
        IniFile ini;
        ini.bind(s.versionFile.text(), false);
        ini.writeText(s.versionValueName.text(), s.newVersion.text(), s.versionSection.text());
    } else if (isRegistrySource(s.versionSource)) {
        FCRegistry key;
        if (key.open(rootOf(s.versionSource), s.versionSection.text(), kFullAccess))
            key.setString(s.versionValueName.text(), s.newVersion.text());
    } else if (s.versionSource == 4) {
        UxRnf settingsFile;
        settingsFile.load(s.versionFile.text());
        settingsFile.setInt(s.versionValueName.text(), s.newVersion.toInt());
    }
}
