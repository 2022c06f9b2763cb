#include "foundation/system/FCFileEnumeration.h"
#include "foundation/system/UxRnf.h"

#include "foundation/files/FCFile.h"
#include "foundation/files/TextFile.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

namespace {

std::string valueOf(const UxRnf& rnf, const char* name)
{
    FCString out("<missing>");
    rnf.getString(out, name);
    return out.text();
}

// Writes text with everything after the first line scrambled with key.
void writeScrambled(const std::string& path, const std::string& text, std::uint32_t key)
{
    FCFile file;
    file.openForUpdate(path.c_str());
    FCString s(text.c_str());
    ASSERT_TRUE(writeFile(s, file, key, 1));
}

TEST(UxRnf, LoadingAndDestroyingRewritesTheFileSorted)
{
    TempFolder folder("bw-rnf-rewrite");
    std::string path = folder / "tool.rnf";
    writeBytes(path, "; header\r\n\r\n  zeta = last\r\nalpha=1\tcomment\r\nalpha=2\r\n=nameless\r\n");
    {
        UxRnf rnf;
        EXPECT_TRUE(rnf.load(path.c_str()));
        EXPECT_EQ(valueOf(rnf, "alpha"), "1");
        EXPECT_EQ(valueOf(rnf, "zeta"), "last");
        EXPECT_EQ(valueOf(rnf, ""), "nameless");
    }
    // The line with the empty name is one of the product's items too.
    EXPECT_EQ(readBytes(path), "=nameless\nalpha=1\nzeta=last\n");
}

TEST(UxRnf, AMissingFileLoadsEmptyAndIsCreatedOnDestruction)
{
    TempFolder folder("bw-rnf-missing");
    std::string path = folder / "new.rnf";
    {
        UxRnf rnf;
        EXPECT_FALSE(rnf.load(path.c_str()));
        EXPECT_STREQ(rnf.fileName().text(), path.c_str());
        std::int32_t version = 0;
        EXPECT_FALSE(rnf.getInt(version, "Ver", 7, -1, true));
        EXPECT_EQ(version, 7);
    }
    EXPECT_EQ(readBytes(path), "Ver=7\n");
}

TEST(UxRnf, ItemsWithIndexAndNumbers)
{
    UxRnf rnf;
    rnf.setString("Path", "C:\\a", 2);
    rnf.setInt("Count", -12);
    rnf.setString("Path", "C:\\b", 2);
    EXPECT_EQ(valueOf(rnf, "Path2"), "C:\\b");
    std::int32_t n = 0;
    EXPECT_TRUE(rnf.getInt(n, "Count"));
    EXPECT_EQ(n, -12);
    FCString kept("kept");
    EXPECT_FALSE(rnf.getString(kept, "Path"));
    EXPECT_STREQ(kept.text(), "kept");
    EXPECT_STREQ(formatRnfText(rnf.items()).text(), "Count=-12\nPath2=C:\\b\n");
}

TEST(UxRnf, AScrambledFileLoadsItsBodyAndTheTypeLine)
{
    TempFolder folder("bw-rnf-scrambled");
    std::string path = folder / "s.rnf";
    writeScrambled(path, "rnftype=1,0x10\nVer=12\nName=Tool\n", 0x10);
    // The body on disk is not the plain text.
    EXPECT_EQ(readBytes(path).find("Ver=12"), std::string::npos);
    UxRnf rnf;
    ASSERT_TRUE(rnf.load(path.c_str()));
    EXPECT_EQ(valueOf(rnf, "Ver"), "12");
    EXPECT_EQ(valueOf(rnf, "Name"), "Tool");
    EXPECT_EQ(valueOf(rnf, "rnftype"), "1,0x10");
}

TEST(UxRnf, AScrambledFileStaysReadableAfterEverySave)
{
    TempFolder folder("bw-rnf-resave");
    std::string path = folder / "s.rnf";
    // "Alpha" sorts before "rnftype": written in name order, it would become
    // the first line and the next load would read the scrambled rest as plain
    // text.
    writeScrambled(path, "rnftype=1,12345\nAlpha=a\nVer=3\n", 12345);
    for (int round = 0; round < 2; ++round) {
        UxRnf rnf;
        ASSERT_TRUE(rnf.load(path.c_str())) << round;
        EXPECT_EQ(valueOf(rnf, "Alpha"), "a") << round;
        EXPECT_EQ(valueOf(rnf, "Ver"), round == 0 ? "3" : "4") << round;
        rnf.setInt("Ver", 4);
    }
    std::string onDisk = readBytes(path);
    EXPECT_EQ(onDisk.substr(0, 16), "rnftype=1,12345\n");
    EXPECT_EQ(onDisk.find("Ver=4"), std::string::npos);
}

TEST(UxRnf, ParseWithoutKeepDisarmsTheSave)
{
    TempFolder folder("bw-rnf-parse");
    std::string path = folder / "p.rnf";
    writeBytes(path, "a=1\n");
    {
        UxRnf rnf;
        rnf.load(path.c_str());
        rnf.parse(FCString("b=2\n"), false);
        EXPECT_EQ(valueOf(rnf, "a"), "<missing>");
    }
    EXPECT_EQ(readBytes(path), "a=1\n");
}

TEST(UxRnf, SavingNoItemsCanRemoveTheFile)
{
    TempFolder folder("bw-rnf-empty");
    std::string path = folder / "e.rnf";
    writeBytes(path, "; only a comment\n");
    UxRnf rnf;
    rnf.load(path.c_str());
    EXPECT_TRUE(rnf.save(nullptr, true));
    EXPECT_FALSE(FCFile::exists(path.c_str()));
    rnf.clear();
    EXPECT_FALSE(rnf.save(nullptr, false));
}

TEST(FCFileEnumeration, SkipsDotNamesAndMarksFolders)
{
    TempFolder folder("bw-enum");
    CreateDirectoryA((folder / "sub").c_str(), nullptr);
    CreateDirectoryA((folder / ".hidden").c_str(), nullptr);
    writeBytes((folder / "a.txt"), "x");
    writeBytes((folder / ".dotfile"), "x");
    FCFileEnumeration entries;
    entries.open((folder.path() + "*").c_str());
    std::set<std::string> names;
    std::set<std::string> paths;
    while (entries.findNext()) {
        names.insert(entries.data().cFileName);
        paths.insert(entries.fullPath().text());
    }
    EXPECT_EQ(names, (std::set<std::string>{"a.txt", "sub\\"}));
    EXPECT_EQ(paths, (std::set<std::string>{(folder / "a.txt"), (folder / "sub\\")}));
    entries.open((folder.path() + "*").c_str());
    ASSERT_TRUE(entries.findNextFolder());
    EXPECT_STREQ(entries.data().cFileName, "sub\\");
    EXPECT_FALSE(entries.findNextFolder());
    entries.open((folder.path() + "missing\\*").c_str());
    EXPECT_FALSE(entries.findNext());
}

}  // namespace
