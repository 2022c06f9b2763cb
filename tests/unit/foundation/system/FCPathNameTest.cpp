#include "foundation/system/FCPathName.h"

#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace {

const char kHyo[] = "\225\\";  // 表, whose second byte is "\\"

// Makes a fresh folder under the temporary folder the current folder for
// the test, and puts the old one back afterwards.
class InFolder {
public:
    InFolder()
    {
        char old[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, old);
        old_ = old;
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "bw-path-test\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetCurrentDirectoryA(folder_.c_str());
    }
    ~InFolder()
    {
        SetCurrentDirectoryA(old_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    const std::string& folder() const { return folder_; }

private:
    std::string old_;
    std::string folder_;
};

std::string text(const FCString& s)
{
    return std::string(s.text());
}

TEST(FCPathName, TextsAreRelativeToTheCurrentFolderUnlessAbsolute)
{
    InFolder here;
    struct Case {
        const char* given;
        std::string expected;
    } cases[] = {
        {"data\\x.ini", here.folder() + "data\\x.ini"},
        {"\\single", here.folder() + "\\single"},
        {"..\\up\\.\\x", here.folder() + "..\\up\\.\\x"},
        {"D:\\x", "D:\\x"},
        {"d:rel", "d:rel"},
        {"\\\\srv\\s\\x", "\\\\srv\\s\\x"},
        {"", here.folder()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(FCPathName(c.given).path()), c.expected) << c.given;
    EXPECT_EQ(text(FCPathName().path()), here.folder());
    EXPECT_EQ(text(FCPathName(static_cast<const char*>(nullptr)).path()), here.folder());
    EXPECT_EQ(FCPathName("x").path().blockSize(), 512);

    FCPathName relative;
    relative.setRelative(FCPathName("C:\\abs"));
    EXPECT_EQ(text(relative.path()), here.folder() + "C:\\abs");
}

TEST(FCPathName, CdRomPrefixNamesTheFirstCdRomDriveOrNothing)
{
    InFolder here;
    FCString drive = FCPathName::firstCdRomDrive();
    EXPECT_EQ(text(FCPathName("%:\\setup\\data").path()), text(drive) + "\\setup\\data");
}

TEST(FCPathName, FolderCodes)
{
    InFolder here;
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string exe = module;
    std::string exeFolder = exe.substr(0, exe.rfind('\\') + 1);
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);

    EXPECT_EQ(text(FCPathName(FCPathName::kExecutableFile).path()), exe);
    EXPECT_EQ(text(FCPathName(FCPathName::kExecutableFolder).path()), exeFolder);
    FCPathName noSeparator;
    noSeparator.setFolder(FCPathName::kExecutableFolder, false);
    EXPECT_EQ(text(noSeparator.path()), exeFolder.substr(0, exeFolder.size() - 1));
    EXPECT_EQ(text(FCPathName(FCPathName::kWindowsFolder).path()), std::string(windows) + "\\");
    EXPECT_EQ(text(FCPathName(FCPathName::kCurrentFolder).path()), here.folder());
    EXPECT_EQ(text(FCPathName(30591).path()), here.folder());
    EXPECT_EQ(text(FCPathName(FCPathName::kTemporaryFolder).path()).back(), '\\');
    EXPECT_EQ(text(FCPathName(10).path()), "");
    EXPECT_EQ(text(FCPathName(99999).path()), "");
    // A shell special folder: the fonts folder (CSIDL_FONTS).
    std::string fonts = text(FCPathName(CSIDL_FONTS).path());
    EXPECT_FALSE(fonts.empty());
    EXPECT_EQ(fonts.back(), '\\');
}

TEST(FCPathName, SeparatorAtTheEndCountsWholeCharacters)
{
    FCPathName hyo((std::string("C:\\") + kHyo).c_str());
    EXPECT_TRUE(hyo.endsWithoutSeparator());
    hyo.addSeparator();
    EXPECT_EQ(text(hyo.path()), std::string("C:\\") + kHyo + "\\");
    FCPathName folder("C:\\a\\");
    EXPECT_FALSE(folder.endsWithoutSeparator());
    folder.addSeparator();
    EXPECT_EQ(text(folder.path()), "C:\\a\\");
}

TEST(FCPathName, Parts)
{
    struct Case {
        const char* path;
        const char* fileName;
        const char* lastName;
        const char* root;
    } cases[] = {
        {"C:\\a\\b.txt", "b.txt", "b.txt", "C"},
        {"C:\\a\\", "", "a\\", "C"},
        {"C:\\a\\b\\", "", "b\\", "C"},
        {"C:\\", "", "", "C"},
        {"\\\\server\\", "", "", "\\\\server\\"},
        {"\\\\server\\share\\x", "x", "x", "\\\\server\\"},
        {"\\\\server", "server", "server", "\\\\server"},
    };
    for (const Case& c : cases) {
        FCPathName p(c.path);
        EXPECT_EQ(text(p.fileName()), c.fileName) << c.path;
        EXPECT_EQ(text(p.lastName()), c.lastName) << c.path;
        FCString root("old");
        p.rootPart(root);
        EXPECT_EQ(text(root), c.root) << c.path;
        EXPECT_EQ(p.path().rest(), p.path().text()) << c.path;
    }
    std::string hyoFile = std::string("C:\\") + kHyo + "\\" + kHyo;
    EXPECT_EQ(text(FCPathName(hyoFile.c_str()).fileName()), kHyo);
    std::string hyoFolder = std::string("C:\\x") + kHyo + "\\";
    EXPECT_EQ(text(FCPathName(hyoFolder.c_str()).lastName()), std::string("x") + kHyo + "\\");
    EXPECT_TRUE(FCPathName("\\\\s\\x").isUnc());
    EXPECT_FALSE(FCPathName("C:\\x").isUnc());
}

TEST(FCPathName, FolderPart)
{
    FCPathName file("C:\\Tools\\a.exe");
    FCString out("old");
    EXPECT_TRUE(file.folderPart(out, true));
    EXPECT_EQ(text(out), "C:\\Tools\\");
    EXPECT_TRUE(file.folderPart(out, false));
    EXPECT_EQ(text(out), "C:\\Tools");
    FCPathName hyo((std::string("C:\\") + kHyo + "x").c_str());
    EXPECT_TRUE(hyo.folderPart(out, true));
    EXPECT_EQ(text(out), "C:\\");
}

TEST(FCPathName, Extension)
{
    EXPECT_TRUE(FCPathName("C:\\x\\setup.ini").hasExtension("INI"));
    EXPECT_TRUE(FCPathName("C:\\x.y\\setup.Ini").hasExtension("ini"));
    EXPECT_FALSE(FCPathName("C:\\x.ini\\setup").hasExtension("ini"));
    EXPECT_FALSE(FCPathName("C:\\x\\").hasExtension("ini"));
    EXPECT_FALSE(FCPathName("C:\\x\\a.ini").hasExtension(nullptr));
    EXPECT_TRUE(FCPathName("C:\\x\\A.LNK").hasExtension("lnk"));
}

TEST(FCPathName, HeadPart)
{
    FCPathName p("C:\\a\\b.txt");
    FCString out("old");
    EXPECT_TRUE(p.headPart(out, 0));
    EXPECT_EQ(text(out), "C:\\a");
    EXPECT_TRUE(p.headPart(out, 1));
    EXPECT_EQ(text(out), "C:\\a\\");
    EXPECT_TRUE(p.headPart(out, 0x10));
    EXPECT_EQ(text(out), "C:\\a\\C:\\a");
    EXPECT_FALSE(p.headPart(out, 0x1000000));
    EXPECT_TRUE(p.headPart(out, 0x1000000 | 8));
    EXPECT_EQ(text(out), "C:\\a");
    FCPathName shortHead("C:\\x");
    EXPECT_TRUE(shortHead.headPart(out, 0));
    EXPECT_EQ(text(out), "C:");
    FCString keep("kept");
    EXPECT_FALSE(FCPathName("C:x/y").headPart(keep, 0));
    EXPECT_EQ(text(keep), "kept");
}

// The shell's folder browser, as Wine titles it: "フォルダーの参照".
const char kBrowserTitle[] = "\203t\203H\203\213\203_\201[\202\314\216Q\217\306";

// A folder outside the Wine prefix (the browser does not select folders
// inside it), on the drive that maps the Linux root.
class BrowseFolder {
public:
    BrowseFolder() : path_("Z:\\tmp\\bw-browse-test\\") { CreateDirectoryA(path_.c_str(), nullptr); }
    ~BrowseFolder() { RemoveDirectoryA(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

TEST(FCPathName, BrowseOpensAtTheInitialFolderAndOkReturnsIt)
{
    BrowseFolder folder;
    FCPathName chosen("C:\\before\\");
    {
        ScriptedUser user;
        user.expectDialog(kBrowserTitle, IDOK);
        EXPECT_TRUE(chosen.browse(nullptr, CSIDL_DRIVES, "title", BIF_RETURNONLYFSDIRS,
                                  folder.path().c_str()));
    }
    EXPECT_EQ(text(chosen.path()), folder.path());
}

TEST(FCPathName, BrowseCancelledLeavesThePath)
{
    BrowseFolder folder;
    FCPathName chosen("C:\\before\\");
    {
        ScriptedUser user;
        user.expectDialog(kBrowserTitle, IDCANCEL);
        EXPECT_FALSE(chosen.browse(nullptr, CSIDL_DRIVES, "title", BIF_RETURNONLYFSDIRS,
                                   folder.path().c_str()));
    }
    EXPECT_EQ(text(chosen.path()), "C:\\before\\");
}

}  // namespace
