#include "ExpectedTexts.h"

#include "foundation/files/FCFileUty.h"

#include "tests/support/ScriptedUser.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

const char kCopyCaption[] = "FCFileUty - copy";
const char kRemoveCaption[] = "FCFileUty - remove";

bool existsPath(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void makeReadOnly(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
}

TEST(FCFileUtyRemove, YesToForceOneReadOnlyItemForcesTheRest)
{
    TempFolder folder("bw-uty-readonly");
    std::string tree = folder / "tree\\";
    CreateDirectoryA(tree.c_str(), nullptr);
    writeBytes(tree + "a.txt", "a");
    writeBytes(tree + "b.txt", "b");
    makeReadOnly(tree + "a.txt");
    makeReadOnly(tree + "b.txt");
    ScriptedUser user;
    // Whichever file comes first asks; the other one is forced silently.
    user.expectDialog(kRemoveCaption, IDYES, [](HWND box) {
        std::string text = boxText(box);
        EXPECT_NE(text.find(expected::kUtyRemoveReadOnly), std::string::npos) << printable(text);
    });
    EXPECT_TRUE(FCFileUty::remove(tree.c_str(), 0));
    EXPECT_FALSE(existsPath(tree));
}

TEST(FCFileUtyRemove, NoToForceThenNoToStopingGivesUpTheItem)
{
    TempFolder folder("bw-uty-readonly-no");
    std::string file = folder / "kept.txt";
    writeBytes(file, "k");
    makeReadOnly(file);
    ScriptedUser user;
    user.expectBox(kRemoveCaption, file + expected::kUtyRemoveReadOnly, IDNO);
    user.expectBox(kRemoveCaption, expected::kUtyRemoveStopAsking, IDNO);
    int force = 0;
    EXPECT_EQ(FCFileUty::removeEntry(file.c_str(), &force, nullptr, nullptr, 0), 2);
    EXPECT_TRUE(existsPath(file));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FCFileUtyRemove, AFolderWithAHiddenDotEntryIsNotEmpty)
{
    TempFolder folder("bw-uty-dot");
    std::string tree = folder / "tree\\";
    CreateDirectoryA(tree.c_str(), nullptr);
    writeBytes(tree + ".keep", "x");
    writeBytes(tree + "gone.txt", "x");
    ScriptedUser user;
    user.expectBox(kRemoveCaption, tree + expected::kUtyRemoveNotEmpty, IDNO);
    EXPECT_FALSE(FCFileUty::remove(tree.c_str(), 1));
    EXPECT_TRUE(existsPath(tree + ".keep"));
    EXPECT_FALSE(existsPath(tree + "gone.txt"));
}

TEST(FCFileUtyRemove, AFileInUseAsksRetryUntilItIsFree)
{
    TempFolder folder("bw-uty-inuse");
    std::string file = folder / "busy.txt";
    writeBytes(file, "x");
    HANDLE held = holdWithoutSharing(file);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ScriptedUser user;
    user.expectBox(kRemoveCaption, file + expected::kUtyRemoveInUse, IDRETRY,
                   [&held](HWND) { CloseHandle(held); });
    EXPECT_TRUE(FCFileUty::remove(file.c_str(), 1));
    EXPECT_FALSE(existsPath(file));
}

TEST(FCFileUtyCopy, IntoMissingFoldersCreatesTheChain)
{
    TempFolder folder("bw-uty-chain");
    writeBytes(folder / "src.dll", "new");
    std::string target = folder / "a\\b\\c\\dst.dll";
    EXPECT_TRUE(FCFileUty::copy(target.c_str(), (folder / "src.dll").c_str(), FCFileUty::COPY_OVERWRITE));
    EXPECT_EQ(readBytes(target), "new");
    std::string intoFolder = folder / "d\\e\\";
    EXPECT_TRUE(FCFileUty::copy(intoFolder.c_str(), (folder / "src.dll").c_str(), FCFileUty::COPY_OVERWRITE));
    EXPECT_EQ(readBytes(intoFolder + "src.dll"), "new");
}

TEST(FCFileUtyCopy, OverwritePolicies)
{
    TempFolder folder("bw-uty-policy");
    std::string source = folder / "src.txt";
    std::string target = folder / "dst.txt";
    struct Case {
        std::uint32_t flags;
        const char* after;
    } cases[] = {
        {FCFileUty::COPY_OVERWRITE, "source"},
        {FCFileUty::COPY_SKIP_EXISTING | FCFileUty::COPY_OVERWRITE, "target"},
        {FCFileUty::COPY_IF_NEWER | FCFileUty::COPY_OVERWRITE, "target"},  // same time
        {0, "target"},
    };
    for (const Case& c : cases) {
        writeBytes(source, "source");
        writeBytes(target, "target");
        // Give both the same last-write time.
        HANDLE s = CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        HANDLE t = CreateFileA(target.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        FILETIME time;
        GetFileTime(s, nullptr, nullptr, &time);
        SetFileTime(t, nullptr, nullptr, &time);
        CloseHandle(s);
        CloseHandle(t);
        EXPECT_TRUE(FCFileUty::copy(target.c_str(), source.c_str(), c.flags)) << c.flags;
        EXPECT_EQ(readBytes(target), c.after) << c.flags;
    }
}

TEST(FCFileUtyCopy, AFileCopiedOntoItselfIsKept)
{
    TempFolder folder("bw-uty-self");
    std::string file = folder / "same.dll";
    writeBytes(file, "precious");
    std::string otherSpelling = folder / "sub\\..\\SAME.DLL";
    EXPECT_TRUE(FCFileUty::copy(otherSpelling.c_str(), file.c_str(), FCFileUty::COPY_OVERWRITE));
    EXPECT_EQ(readBytes(file), "precious");
}

TEST(FCFileUtyCopy, AReplacementThatCannotBeWrittenFailsAndKeepsTheOldFile)
{
    TempFolder folder("bw-uty-held-target");
    writeBytes(folder / "new.dll", "new");
    std::string target = folder / "app.dll";
    writeBytes(target, "old");
    HANDLE held = holdWithoutSharing(target);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ScriptedUser user;
    user.expectBox(kRemoveCaption, target + expected::kUtyRemoveInUse, IDCANCEL);
    EXPECT_FALSE(FCFileUty::copy(target.c_str(), (folder / "new.dll").c_str(), FCFileUty::COPY_OVERWRITE));
    CloseHandle(held);
    EXPECT_EQ(readBytes(target), "old");
}

TEST(FCFileUtyCopy, AReadOnlyFileIsReplaced)
{
    TempFolder folder("bw-uty-read-only");
    writeBytes(folder / "new.dll", "new");
    std::string target = folder / "app.dll";
    writeBytes(target, "old");
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(FCFileUty::copy(target.c_str(), (folder / "new.dll").c_str(), FCFileUty::COPY_OVERWRITE));
    EXPECT_EQ(readBytes(target), "new");
}

TEST(FCFileUtyCopy, AFileCopiedOntoItselfThroughAHardLinkIsKept)
{
    TempFolder folder("bw-uty-link");
    std::string file = folder / "app.dll";
    writeBytes(file, "only copy");
    std::string link = folder / "link.dll";
    if (!CreateHardLinkA(link.c_str(), file.c_str(), nullptr))
        GTEST_SKIP() << "no hard links here";
    EXPECT_TRUE(FCFileUty::copy(link.c_str(), file.c_str(), FCFileUty::COPY_OVERWRITE));
    EXPECT_EQ(readBytes(file), "only copy");
    EXPECT_EQ(readBytes(link), "only copy");
}

TEST(FCFileUtyCopy, FoldersNeedAFolderDestination)
{
    TempFolder folder("bw-uty-tree");
    std::string tree = folder / "src\\";
    CreateDirectoryA(tree.c_str(), nullptr);
    CreateDirectoryA((tree + "sub").c_str(), nullptr);
    writeBytes(tree + "a.txt", "a");
    writeBytes(tree + "sub\\b.txt", "b");
    std::uint32_t flags = FCFileUty::COPY_OVERWRITE;
    EXPECT_EQ(FCFileUty::copyEntry((folder / "dst").c_str(), tree.c_str(), &flags, nullptr, 0, 0),
              FCFileUty::kAborted);
    EXPECT_FALSE(existsPath(folder / "dst"));
    EXPECT_TRUE(FCFileUty::copy((folder / "dst\\").c_str(), tree.c_str(), flags));
    EXPECT_EQ(readBytes(folder / "dst\\a.txt"), "a");
    EXPECT_EQ(readBytes(folder / "dst\\sub\\b.txt"), "b");
    EXPECT_FALSE(FCFileUty::copy((folder / "x\\").c_str(), (folder / "missing.txt").c_str(), flags));
}

TEST(FCFileUtyCopy, ALockedSourceAsksUntilItIsReleased)
{
    TempFolder folder("bw-uty-locked");
    std::string source = folder / "locked.dll";
    writeBytes(source, "data");
    // Held for writing without read sharing: nobody can read it.
    HANDLE held = CreateFileA(source.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ScriptedUser user;
    user.expectBox(kCopyCaption, source + expected::kUtyCopySourceLocked, IDRETRY);
    user.expectBox(kCopyCaption, source + expected::kUtyCopySourceLocked, IDRETRY,
                   [&held](HWND) { CloseHandle(held); });
    EXPECT_TRUE(FCFileUty::copy((folder / "copy.dll").c_str(), source.c_str(), FCFileUty::COPY_OVERWRITE));
    EXPECT_EQ(readBytes(folder / "copy.dll"), "data");
}

TEST(FCFileUty, MoveOntoItselfInOtherCaseDoesNothing)
{
    TempFolder folder("bw-uty-move");
    std::string file = folder / "name.txt";
    writeBytes(file, "x");
    EXPECT_TRUE(FCFileUty::move(file.c_str(), (folder / "NAME.TXT").c_str(), true));
    EXPECT_EQ(readBytes(file), "x");
    EXPECT_TRUE(FCFileUty::move(file.c_str(), (folder / "other.txt").c_str(), true));
    EXPECT_EQ(readBytes(folder / "other.txt"), "x");
}

TEST(FCFileUty, StatusAttributesAndExistingPrefix)
{
    TempFolder folder("bw-uty-status");
    std::string file = folder / "s.txt";
    writeBytes(file, "x");
    EXPECT_EQ(FCFileUty::status(file.c_str()) & 0xFC000000u, FCFileUty::STATUS_EXISTS);
    EXPECT_EQ(FCFileUty::status((folder / "none").c_str()), 0u);
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(FCFileUty::status(file.c_str()) & FCFileUty::STATUS_SHARED, 0u);
    CloseHandle(held);
    makeReadOnly(file);
    EXPECT_TRUE(FCFileUty::hasAttributes(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(FCFileUty::clearAttributes(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(FCFileUty::clearAttributes(file.c_str(), FILE_ATTRIBUTE_READONLY));
    FCString prefix;
    EXPECT_TRUE(FCFileUty::existingPrefix((folder / "a\\b\\c.txt").c_str(), prefix));
    EXPECT_STREQ(prefix.text(), folder.path().c_str());
    EXPECT_FALSE(FCFileUty::existingPrefix("Q:\\nothing\\", prefix));
    EXPECT_FALSE(FCFileUty::existingPrefix("\\\\server", prefix));
}

}  // namespace
