#include "ExpectedTexts.h"

#include "foundation/files/FCFileUty.h"
#include "foundation/system/WorkBreaks.h"

#include "tests/support/ScriptedUser.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

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

// Each failure of a removal as the default handler meets it: the box the
// user sees, the buttons it offers, the answer, and what the removal
// returns.  3 stops the whole removal, so no box follows for the folder
// around the item.
TEST(FCFileUtyRemove, EachFailureAsksAndEndsAsAnswered)
{
    TempFolder folder("bw-uty-failures");
    std::string missing = folder / "missing.txt";
    std::string noFolder = folder / "no-folder\\x.txt";
    // A folder named without its final "\\" is removed as a file.
    std::string folderAsFile = folder / "a-folder";
    CreateDirectoryA(folderAsFile.c_str(), nullptr);
    std::string badName = folder / "what?.txt";
    std::string notEmpty = folder / "not-empty\\";
    CreateDirectoryA(notEmpty.c_str(), nullptr);
    CreateDirectoryA((notEmpty + "sub").c_str(), nullptr);
    writeBytes(notEmpty + "sub\\.keep", "x");
    std::string readOnly = folder / "read-only\\";
    CreateDirectoryA(readOnly.c_str(), nullptr);
    writeBytes(readOnly + "ro.txt", "r");
    makeReadOnly(readOnly + "ro.txt");

    const std::vector<int> ok{IDOK};
    const std::vector<int> yesNo{IDYES, IDNO};
    struct Box {
        std::string text;
        std::vector<int> buttons;
        int press;
    };
    struct Case {
        std::string path;
        int force;
        std::vector<Box> boxes;
    } cases[] = {
        {missing, 0, {{missing + expected::kUtyRemoveNotFound + "error code: 2", ok, IDOK}}},
        {noFolder, 1, {{noFolder + expected::kUtyRemoveNotFound + "error code: 3", ok, IDOK}}},
        {folderAsFile, 1, {{folderAsFile + expected::kUtyRemoveAccessDenied, ok, IDOK}}},
        // Not forced, but not read-only either: nothing to force.
        {folderAsFile, 0, {{folderAsFile + expected::kUtyRemoveAccessDenied, ok, IDOK}}},
        {badName, 1, {{badName + expected::kUtyRemoveFailed + "error code: 123", ok, IDOK}}},
        {notEmpty, 1, {{notEmpty + "sub\\" + expected::kUtyRemoveNotEmpty, yesNo, IDYES}}},
        {readOnly, 0,
         {{readOnly + "ro.txt" + expected::kUtyRemoveReadOnly, yesNo, IDNO},
          {expected::kUtyRemoveStopAsking, yesNo, IDYES}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ScriptedUser user;
        for (const Box& box : c.boxes) {
            user.expectBox(kRemoveCaption, box.text, box.press, [&box](HWND window) {
                EXPECT_EQ(buttonsOf(window), box.buttons);
            });
        }
        int force = c.force;
        EXPECT_EQ(FCFileUty::removeEntry(c.path.c_str(), &force, nullptr, nullptr, 0),
                  FCFileUty::kAborted);
    }
    EXPECT_TRUE(existsPath(folderAsFile));
    EXPECT_TRUE(existsPath(notEmpty + "sub\\.keep"));
    EXPECT_TRUE(existsPath(readOnly + "ro.txt"));
    SetFileAttributesA((readOnly + "ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The handler on its own, for what a local disk does not give: the network
// forms of "not found", and a read-only item that could not be removed
// although the removal was already forced (asking to force it again would
// go round in circles).
TEST(FCFileUtyRemove, TheDefaultHandlerForNetworkPathsAndForcedItems)
{
    TempFolder folder("bw-uty-handler");
    std::string file = folder / "ro.txt";
    writeBytes(file, "r");
    makeReadOnly(file);
    struct Case {
        std::uint32_t flags;
        DWORD error;
        std::string path;
        std::string text;
    } cases[] = {
        {0x101, ERROR_BAD_NETPATH, "\\\\server\\share\\a.txt",
         std::string("\\\\server\\share\\a.txt") + expected::kUtyRemoveNotFound + "error code: 53"},
        {0x201, ERROR_BAD_NET_NAME, "\\\\server\\gone\\",
         std::string("\\\\server\\gone\\") + expected::kUtyRemoveNotFound + "error code: 67"},
        {0x10101, ERROR_ACCESS_DENIED, file, file + expected::kUtyRemoveAccessDenied},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ScriptedUser user;
        user.expectBox(kRemoveCaption, c.text, IDOK);
        DWORD error = c.error;
        EXPECT_EQ(FCFileUty::defaultRemoveHandler(c.flags, &error, c.path.c_str(), 0, 0),
                  FCFileUty::kAborted);
    }
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

// A break that handles what waits for the thread, as a window's would, and
// counts the breaks taken while the target still held its old bytes.
struct CopyBreaks {
    std::string target;
    int duringCopy = 0;
};

void handleWaiting(void* context)
{
    auto* breaks = static_cast<CopyBreaks*>(context);
    if (readBytes(breaks->target) == "old")
        ++breaks->duringCopy;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TEST(FCFileUtyCopy, ALargeFileIsCopiedWhileTheThreadTakesItsBreaks)
{
    TempFolder folder("bw-uty-large");
    const std::uint64_t size = 48ull * 1024 * 1024;
    makeLargeFile(folder / "big.bin", size);
    writeBytes(folder / "dst.bin", "old");
    CopyBreaks breaks{folder / "dst.bin"};
    WorkBreaks taken(handleWaiting, &breaks);
    // Something waits for the thread as the copy starts: the wait for the
    // copy hands it to the break at once.
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    EXPECT_TRUE(FCFileUty::copy(breaks.target.c_str(), (folder / "big.bin").c_str(),
                                FCFileUty::COPY_OVERWRITE));
    EXPECT_GE(breaks.duringCopy, 1);
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(breaks.target.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ((std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow, size);
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
    // The target's last-write time against the source's, in seconds.
    const std::int64_t older = -3600;
    const std::int64_t same = 0;
    const std::int64_t newer = 3600;
    struct Case {
        std::uint32_t flags;
        std::int64_t targetAge;
        const char* after;
    } cases[] = {
        {FCFileUty::COPY_OVERWRITE, same, "source"},
        {FCFileUty::COPY_SKIP_EXISTING | FCFileUty::COPY_OVERWRITE, same, "target"},
        {FCFileUty::COPY_IF_NEWER | FCFileUty::COPY_OVERWRITE, same, "target"},
        {0, same, "target"},
        {FCFileUty::COPY_IF_NEWER | FCFileUty::COPY_OVERWRITE, older, "source"},
        {FCFileUty::COPY_IF_NEWER, older, "source"},
        // Only the time decides, whatever COPY_OVERWRITE says.
        {FCFileUty::COPY_IF_NEWER | FCFileUty::COPY_OVERWRITE, newer, "target"},
        {FCFileUty::COPY_SKIP_EXISTING | FCFileUty::COPY_IF_NEWER, older, "target"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.flags << std::dec << ", age " << c.targetAge);
        writeBytes(source, "source");
        writeBytes(target, "target");
        // Set the target's last-write time from the source's.
        HANDLE s = CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        HANDLE t = CreateFileA(target.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        FILETIME time;
        GetFileTime(s, nullptr, nullptr, &time);
        ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
        ticks.QuadPart += c.targetAge * 10000000;  // 100 ns units
        time.dwLowDateTime = ticks.LowPart;
        time.dwHighDateTime = ticks.HighPart;
        SetFileTime(t, nullptr, nullptr, &time);
        CloseHandle(s);
        CloseHandle(t);
        EXPECT_TRUE(FCFileUty::copy(target.c_str(), source.c_str(), c.flags));
        EXPECT_EQ(readBytes(target), c.after);
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

TEST(FCFileUtyCopy, ACopyThatCannotBeMadeWholeLeavesTheTargetAsItWas)
{
    TempFolder folder("bw-uty-part");
    std::string source = folder / "new.dll";
    writeBytes(source, "new");
    std::string target = folder / "app.dll";
    writeBytes(target, "old");
    // The new bytes go beside the target first; here they cannot.
    blockNewBytesOf(target);
    std::string part = FCFileUty::partNameOf(target.c_str()).text();
    ASSERT_TRUE(pathExists(part));
    EXPECT_FALSE(FCFileUty::copy(target.c_str(), source.c_str(), FCFileUty::COPY_OVERWRITE));
    EXPECT_EQ(readBytes(target), "old");
    EXPECT_FALSE(FCFileUty::copyWhole(target.c_str(), source.c_str()));
    EXPECT_EQ(readBytes(target), "old");

    RemoveDirectoryA(part.c_str());
    EXPECT_TRUE(FCFileUty::copyWhole(target.c_str(), source.c_str()));
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_TRUE(FCFileUty::copy((folder / "second.dll").c_str(), source.c_str(), FCFileUty::COPY_OVERWRITE));
    EXPECT_EQ(readBytes(folder / "second.dll"), "new");
    EXPECT_FALSE(pathExists(part));
    // The folder of the new bytes goes when the run ends.
    FCFileUty::removePartFolders();
    EXPECT_FALSE(pathExists(folder / "~brantlewick-parts"));
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
