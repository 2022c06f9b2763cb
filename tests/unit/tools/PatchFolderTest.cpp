#include "tools/check/PatchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TempPatchFolder {
public:
    TempPatchFolder() : path_(fs::temp_directory_path() / ("bw-check-" + std::to_string(::getpid())))
    {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempPatchFolder() { fs::remove_all(path_); }
    void put(const std::string& relative) const
    {
        fs::path file = path_ / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }
    std::string path() const { return path_.string(); }

private:
    fs::path path_;
};

TEST(PatchFolder, FindsFilesAsWindowsWouldWithBackslashesAndInAnyCase)
{
    TempPatchFolder folder;
    folder.put("Files/Lib/Core.DLL");
    folder.put("\xe8\xaa\xac\xe6\x98\x8e.txt");  // 説明.txt, as Linux names it (UTF-8)
    PatchFolder patch(folder.path());
    EXPECT_TRUE(patch.has("files\\lib\\core.dll"));
    EXPECT_TRUE(patch.has("FILES\\LIB\\"));
    EXPECT_TRUE(patch.has("\x90\xe0\x96\xbe.txt"));  // 説明.txt in code page 932
    EXPECT_FALSE(patch.has("files\\core.dll"));
    EXPECT_FALSE(patch.has("files\\lib\\core.dll\\x"));
}

TEST(PatchFolder, TheDescriptionFileInAnyCase)
{
    TempPatchFolder folder;
    folder.put("BrantleWick.DAT");
    EXPECT_EQ(fs::path(PatchFolder(folder.path()).descriptionPath()).filename(), "BrantleWick.DAT");
}

}  // namespace
