#include "app/HeaderReader.h"
#include "foundation/files/IniFile.h"
#include "app/VersionRecord.h"
#include "app/VersionSource.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

const char kTestKey[] = "Software\\brantlewick-test-version";

// The header lines that name a version source, read as a run reads them;
// the install folder is the given folder.
RunSettings settingsFor(const std::string& installFolder, const std::string& lines)
{
    class Handler : public HeaderLineHandler {
    public:
        explicit Handler(std::string folder) : folder_(std::move(folder)) {}
        int installLine(RunSettings& settings, FCString&) override
        {
            settings.installFolder = folder_.c_str();
            return 0;
        }
        void versionSourceLine(RunSettings& settings, FCString& value) override
        {
            parseVersionSource(settings, value);
        }

    private:
        std::string folder_;
    } handler(installFolder);
    RunSettings settings;
    FCString text(("I=1;x\n" + lines + "\nD\n").c_str());
    readHeader(text, settings, handler);
    return settings;
}

// A registry key under the current user, removed again by the test.
class TestKey {
public:
    TestKey()
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
        RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
    }
    ~TestKey()
    {
        RegCloseKey(key_);
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    }
    void set(const char* name, const char* value)
    {
        RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(strlen(value) + 1));
    }
    std::string get(const char* name)
    {
        char buffer[64] = {};
        DWORD size = sizeof buffer - 1;
        if (RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) != 0)
            return "<missing>";
        return buffer;
    }

private:
    HKEY key_ = nullptr;
};

TEST(VersionRecord, IniKey)
{
    TempFolder folder("bw-version-ini");
    writeBytes(folder / "app.ini", "[Version]\r\nBuild=12abc\r\n");
    RunSettings s = settingsFor(folder.path(), "U=1;app.ini;Version;Build\nV=0x20");
    EXPECT_EQ(std::string(s.versionFile.text()), folder / "app.ini");
    EXPECT_EQ(readInstalledVersion(s), 12);
    recordNewVersion(s);
    EXPECT_EQ(readInstalledVersion(s), 32);
    IniFile ini;
    ini.bind((folder / "app.ini").c_str(), false);
    EXPECT_STREQ(ini.readText("Version", "Build", "").text(), "0x20");
}

TEST(VersionRecord, IniMissingFileSectionOrKeyReadsZero)
{
    TempFolder folder("bw-version-ini-missing");
    writeBytes(folder / "dummy.ini", "[Version]\r\nBuild=_dummy_\r\n");
    struct Case {
        const char* line;
    } cases[] = {{"U=1;none.ini;Version;Build"}, {"U=1;dummy.ini;Other;Build"},
                 {"U=1;dummy.ini;Version;Missing"}, {"U=1;dummy.ini;Version;Build"}};
    for (const Case& c : cases)
        EXPECT_EQ(readInstalledVersion(settingsFor(folder.path(), c.line)), 0) << c.line;
}

TEST(VersionRecord, RegistryUnderTheCurrentUser)
{
    TestKey key;
    key.set("Ver", "5");
    RunSettings s = settingsFor("C:\\", std::string("U=2;") + kTestKey + ";Ver\nV=6");
    EXPECT_EQ(readInstalledVersion(s), 5);
    recordNewVersion(s);
    EXPECT_EQ(key.get("Ver"), "6");
    RunSettings missingValue = settingsFor("C:\\", std::string("U=2;") + kTestKey + ";Other");
    EXPECT_EQ(readInstalledVersion(missingValue), 0);
}

TEST(VersionRecord, AMissingRegistryKeyIsNeverCreated)
{
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    RunSettings s = settingsFor("C:\\", std::string("U=2;") + kTestKey + ";Ver\nV=6");
    EXPECT_EQ(readInstalledVersion(s), 0);
    recordNewVersion(s);
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST(VersionRecord, SettingsFileIsReadAndRewritten)
{
    TempFolder folder("bw-version-rnf");
    writeBytes(folder / "tool.rnf", "; settings\nversion=3\nname=Tool\n");
    RunSettings s = settingsFor(folder.path(), "U=4;tool.rnf;version\nV=4");
    EXPECT_EQ(readInstalledVersion(s), 3);
    // Reading rewrites the file from its items.
    EXPECT_EQ(readBytes(folder / "tool.rnf"), "name=Tool\nversion=3\n");
    recordNewVersion(s);
    EXPECT_EQ(readBytes(folder / "tool.rnf"), "name=Tool\nversion=4\n");
}

TEST(VersionRecord, NoSourceReadsZeroAndWritesNothing)
{
    RunSettings s = settingsFor("C:\\", "U=7;x;y\nV=3");
    EXPECT_EQ(readInstalledVersion(s), 0);
    recordNewVersion(s);
}

}  // namespace
