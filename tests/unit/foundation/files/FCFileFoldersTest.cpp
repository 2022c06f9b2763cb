#include "tests/support/TestFiles.h"

#include "foundation/files/FCFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char kHyo[] = "\225\\";  // 表, whose second byte is a "\\" byte

// The names in a folder, sorted.
std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FCFileExists, TellsFilesFoldersAndMissingPathsApart)
{
    TempFolder dir("exists");
    writeBytes(dir / "file.txt", "x");
    struct Case {
        std::string path;
        bool exists;
        bool folder;
    } cases[] = {
        {dir / "file.txt", true, false},
        {dir.path(), true, true},
        {dir / "missing", false, false},
        {dir / "missing\\deeper\\", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const DWORD untouched = 0x12345678;
        DWORD attributes = untouched;
        EXPECT_EQ(FCFile::exists(c.path.c_str(), &attributes), c.exists);
        EXPECT_EQ(FCFile::exists(c.path.c_str()), c.exists);
        if (c.exists) {
            EXPECT_EQ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0, c.folder);
        } else {
            EXPECT_EQ(attributes, untouched);
        }
    }
}

TEST(FCFileCreateFolders, CreatesTheMissingChainAndReportsWhenThereWasNothingToDo)
{
    TempFolder dir("folders");
    struct Case {
        std::string path;
        std::string deepest;  // the folder that must exist afterwards
    } cases[] = {
        {dir / "a\\b\\c", dir / "a\\b\\c\\"},
        {dir / "a\\b\\d\\", dir / "a\\b\\d\\"},
        {dir / "a", dir / "a\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        bool existed = FCFile::exists(c.deepest.c_str());
        EXPECT_EQ(FCFile::createFolders(c.path.c_str()), !existed);
        DWORD attributes = 0;
        ASSERT_TRUE(FCFile::exists(c.deepest.c_str(), &attributes));
        EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
        EXPECT_FALSE(FCFile::createFolders(c.path.c_str()));
    }
    EXPECT_EQ(namesIn(dir / "a\\b\\"), (std::vector<std::string>{"c", "d"}));
}

// Cut byte by byte, "表x" would first give "表" (its second byte being a
// "\\" byte), and a folder of that name would appear on the way.
TEST(FCFileCreateFolders, CutsThePathBetweenCharactersNotInsideThem)
{
    TempFolder dir("folders-multibyte");
    if (!CreateDirectoryA((dir / kHyo).c_str(), nullptr)) {
        GTEST_SKIP() << "this system cannot name a file in Japanese (error " << GetLastError()
                     << "); Wine needs the Linux locale ja_JP.UTF-8 for that";
    }
    RemoveDirectoryA((dir / kHyo).c_str());
    std::string hyoX = std::string(kHyo) + "x";
    EXPECT_TRUE(FCFile::createFolders((dir / hyoX + "\\y").c_str()));
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{hyoX}));
    EXPECT_EQ(namesIn(dir / hyoX + "\\"), (std::vector<std::string>{"y"}));
}

TEST(FCFileCreateFolders, FailsWhereAFolderCannotBeMade)
{
    TempFolder dir("folders-fail");
    writeBytes(dir / "file.txt", "x");
    const char* cases[] = {
        "file.txt\\sub",                 // a file stands where a folder should
        "what?\\sub",                    // a name the system refuses
    };
    for (const char* relative : cases) {
        SCOPED_TRACE(relative);
        std::string path = dir / relative;
        EXPECT_FALSE(FCFile::createFolders(path.c_str()));
        EXPECT_FALSE(FCFile::exists(path.c_str()));
    }
    // A path cut inside a double-byte character: "\\" added to it would
    // make a character of a name nobody asked for.
    EXPECT_FALSE(FCFile::createFolders((dir / "cut\x82").c_str()));
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"file.txt"}));
    // A network path whose share is not there is never created.
    EXPECT_FALSE(FCFile::createFolders("\\\\bw-no-such-server\\share\\new\\"));
}

}  // namespace
