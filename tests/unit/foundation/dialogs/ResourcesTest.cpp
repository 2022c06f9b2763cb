// The program's resources as the executable carries them: the version
// resource in the block the About dialog reads, and the manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include "BwVersion.h"

#include <string>
#include <vector>

namespace {

std::string ownPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// The version resource of the executable that runs, read as the About
// dialog reads it.
class OwnVersion {
public:
    OwnVersion()
    {
        const std::string path = ownPath();
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
        block_.resize(size);
        if (size > 0 && !GetFileVersionInfoA(path.c_str(), 0, size, block_.data()))
            block_.clear();
    }
    bool present() const { return !block_.empty(); }
    const char* text(const char* subBlock)
    {
        char* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(block_.data(), subBlock, reinterpret_cast<void**>(&value), &length))
            return nullptr;
        return value;
    }
    const VS_FIXEDFILEINFO* fixed()
    {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(block_.data(), "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
            return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }

private:
    std::vector<char> block_;
};

// The About dialog reads FileVersion from the Japanese Unicode block. One
// definition of the version: the texts and the binary numbers of the
// resource all say what project(VERSION) in CMakeLists.txt says.
TEST(Resources, FileVersionSitsInTheJapaneseUnicodeBlockAndComesFromTheBuildsVersion)
{
    OwnVersion version;
    ASSERT_TRUE(version.present());
    const char* fileText = version.text("\\StringFileInfo\\041104b0\\FileVersion");
    const char* productText = version.text("\\StringFileInfo\\041104b0\\ProductVersion");
    ASSERT_NE(fileText, nullptr);
    ASSERT_NE(productText, nullptr);
    EXPECT_STREQ(fileText, BW_VERSION_RC_TEXT);
    EXPECT_STREQ(productText, BW_VERSION_RC_TEXT);

    const VS_FIXEDFILEINFO* fixed = version.fixed();
    ASSERT_NE(fixed, nullptr);
    const DWORD ms = MAKELONG(BW_VERSION_MINOR, BW_VERSION_MAJOR);
    const DWORD ls = MAKELONG(BW_VERSION_TWEAK, BW_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, ms);
    EXPECT_EQ(fixed->dwFileVersionLS, ls);
    EXPECT_EQ(fixed->dwProductVersionMS, ms);
    EXPECT_EQ(fixed->dwProductVersionLS, ls);
}

TEST(Resources, ManifestAsksForHighestPrivilegesAndCommonControls6)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(bytes, SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("level=\"highestAvailable\""), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
}

}  // namespace
