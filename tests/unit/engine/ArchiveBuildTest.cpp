// The archive builder on real files, without its progress dialogs: which
// input files a group takes, the bytes of the group file and of the index,
// the duplicate report, and the builds that stop early.
#include "engine/UxArchiveIdFile.h"
#include "tests/support/CommandFolders.h"
#include "foundation/files/FileExceptions.h"
#include "tests/support/ScriptedUser.h"
#include "tests/unit/foundation/files/ExpectedTexts.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

#ifndef DBG_PRINTEXCEPTION_C
#define DBG_PRINTEXCEPTION_C 0x40010006L
#endif

std::string le32(std::uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

using Entries = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// A group table as the index holds it.
std::string table(std::int32_t group, std::int32_t first, const Entries& entries)
{
    auto count = static_cast<std::uint32_t>(entries.size());
    std::string bytes = le32(static_cast<std::uint32_t>(group)) + le32(static_cast<std::uint32_t>(first)) +
                        le32(static_cast<std::uint32_t>(first) + count - 1) + le32(count);
    for (const auto& e : entries)
        bytes += le32(e.first) + le32(e.second);
    return bytes;
}

std::string index(std::uint16_t digits, const std::vector<std::string>& tables, std::uint32_t kind = 0x22,
                  std::uint16_t reserved = 0)
{
    std::string bytes = "AiFS";
    bytes += {static_cast<char>(reserved), static_cast<char>(reserved >> 8), static_cast<char>(digits),
              static_cast<char>(digits >> 8)};
    bytes += le32(kind) + le32(static_cast<std::uint32_t>(tables.size()));
    for (const std::string& t : tables)
        bytes += t;
    return bytes;
}

// The names in folder, as the system lists them.
std::vector<std::string> listed(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (found.cFileName[0] != '.')
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// What the program sends to the debugger's output while it lives: the
// system raises each text as an exception that a debugger would take.
class DebugOutput {
public:
    DebugOutput() : handler_(AddVectoredExceptionHandler(1, onException)) { lines_ = &lines; }
    DebugOutput(const DebugOutput&) = delete;
    DebugOutput& operator=(const DebugOutput&) = delete;
    ~DebugOutput()
    {
        RemoveVectoredExceptionHandler(handler_);
        lines_ = nullptr;
    }

    std::vector<std::string> lines;

private:
    static LONG CALLBACK onException(EXCEPTION_POINTERS* p)
    {
        const EXCEPTION_RECORD* r = p->ExceptionRecord;
        if (r->ExceptionCode == DBG_PRINTEXCEPTION_C && r->NumberParameters >= 2 && lines_ != nullptr)
            lines_->push_back(reinterpret_cast<const char*>(r->ExceptionInformation[1]));
        return EXCEPTION_CONTINUE_SEARCH;
    }

    static thread_local std::vector<std::string>* lines_;
    void* handler_;
};

thread_local std::vector<std::string>* DebugOutput::lines_ = nullptr;

// "N個の重複が見つかりました。OKを押すとエラー出力にリストを出力します。"
std::string duplicatesText(int count)
{
    return std::to_string(count) +
           "\214\302\202\314\217d\225\241\202\252\214\251\202\302\202\251\202\350\202\334\202\265\202\275"
           "\201BOK\202\360\211\237\202\267\202\306\203G\203\211\201[\217o\227\315\202\311\203\212\203X"
           "\203g\202\360\217o\227\315\202\265\202\334\202\267\201B";
}

class ArchiveBuild : public ::testing::Test {
protected:
    TempFolder root{"bw-archive-build"};
    std::string in = root / "in\\";
    std::string out = root / "out\\";
    // Fails the test for any box nobody expected (and keeps it from hanging).
    ScriptedUser user;

    void SetUp() override
    {
        CreateDirectoryA(in.c_str(), nullptr);
        CreateDirectoryA(out.c_str(), nullptr);
    }

    // Kind 0x22 ('.wav'), ids first..last into group, from in to out.
    ArchiveSettings settings(std::int32_t digits, std::int32_t first, std::int32_t last,
                             std::int32_t group = 1) const
    {
        ArchiveSettings s;
        s.inputFolder = in.c_str();
        s.outputFolder = out.c_str();
        s.resourceKind = 0x22;
        s.nameDigits = digits;
        s.firstId = first;
        s.lastId = last;
        s.groupNumber = group;
        return s;
    }

    // Puts the index into out, loads it and builds.
    int build(const std::string& indexBytes, ArchiveSettings& s)
    {
        writeBytes(out + "res2200.grp", indexBytes);
        UxArchiveIdFile archive;
        EXPECT_TRUE(archive.load((out + "res2200.grp").c_str()));
        return archive.build(s);
    }

    std::string inOut(const std::string& name) const { return readBytes(out + name); }
};

TEST_F(ArchiveBuild, FilesOneTwoFiveLieBackToBackAndTheTableCountsFive)
{
    writeBytes(in + "1.wav", "one");
    writeBytes(in + "2.wav", "second");
    writeBytes(in + "5.wav", "fifth!!");
    ArchiveSettings s = settings(-1, 1, 5);
    // The index keeps -1 as 0xFFFF; its reserved word is carried over.
    EXPECT_EQ(build(index(0xFFFF, {}, 0x22, 0x4321), s), UxArchiveIdFile::kBuilt);
    EXPECT_EQ(inOut("res2201.grp"), "onesecondfifth!!");
    EXPECT_EQ(inOut("res2200.grp"),
              index(0xFFFF, {table(1, 1, {{0, 3}, {3, 6}, {0, 0}, {0, 0}, {9, 7}})}, 0x22, 0x4321));
    EXPECT_EQ(listed(out), (std::vector<std::string>{"res2200.grp", "res2201.grp"}))
        << "nothing is left behind";
}

TEST_F(ArchiveBuild, APartFileLeftBehindByAnEarlierBuildIsNotCarriedIntoTheGroup)
{
    putFile(out + "~brantlewick-parts\\res2201.grp", "left behind by a build that never ended");
    writeBytes(in + "1.wav", "one");
    ArchiveSettings s = settings(-1, 1, 1);
    EXPECT_EQ(build(index(0xFFFF, {}), s), UxArchiveIdFile::kBuilt);
    EXPECT_EQ(inOut("res2201.grp"), "one");
    EXPECT_EQ(listed(out), (std::vector<std::string>{"res2200.grp", "res2201.grp"}));
}

TEST_F(ArchiveBuild, NameDigitsChooseWhichNamesCount)
{
    const struct {
        std::int32_t digits;
        std::map<std::string, std::string> files;
        std::string data;
        Entries entries;
    } cases[] = {
        // Three digits: '001.WAV' counts (compared lower-cased), '0001.wav'
        // and '1.wav' name the same id in other ways and are passed over.
        {3,
         {{"001.WAV", "A"}, {"0001.wav", "B"}, {"1.wav", "C"}, {"002.wav", "DD"}, {"003.ogg", "E"}},
         "ADD",
         {{0, 1}, {1, 2}, {0, 0}}},
        // No digits: the id as it is written, without zeros in front.
        {0, {{"1.wav", "A"}, {"01.wav", "B"}, {"2.WAV", "CC"}, {"3a.wav", "D"}}, "ACC", {{0, 1}, {1, 2}, {0, 0}}},
        // -1: any name that begins with the id; other files are not looked at.
        {-1, {{"1st.wav", "A"}, {"x3.wav", "B"}, {"3.txt", "C"}}, "A", {{0, 1}, {0, 0}, {0, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        TempFolder caseIn("bw-archive-digits-in");
        TempFolder caseOut("bw-archive-digits-out");
        for (const auto& [name, bytes] : c.files)
            writeBytes(caseIn / name, bytes);
        // A folder with a fitting name holds no data.
        CreateDirectoryA((caseIn / "003.wav").c_str(), nullptr);
        in = caseIn.path();
        out = caseOut.path();
        ArchiveSettings s = settings(c.digits, 1, 3);
        auto stored = static_cast<std::uint16_t>(c.digits);
        EXPECT_EQ(build(index(stored, {}), s), UxArchiveIdFile::kBuilt);
        EXPECT_EQ(inOut("res2201.grp"), c.data);
        EXPECT_EQ(inOut("res2200.grp"), index(stored, {table(1, 1, c.entries)}));
    }
}

TEST_F(ArchiveBuild, OtherNegativeNameDigitsTakeNoFile)
{
    writeBytes(in + "1.wav", "one");
    ArchiveSettings s = settings(-2, 1, 5);
    EXPECT_EQ(build(index(0xFFFE, {}), s), UxArchiveIdFile::kNothingGathered);
}

TEST_F(ArchiveBuild, DuplicatesAreReportedAndTheFileFoundFirstIsKept)
{
    writeBytes(in + "12.wav", "twelve");
    writeBytes(in + "12a.wav", "twelve-a");
    writeBytes(in + "11.wav", "eleven");
    // Which of the two comes first is the system's listing order.
    std::string first;
    std::string second;
    for (const std::string& name : listed(in)) {
        if (name.rfind("12", 0) == 0)
            (first.empty() ? first : second) = name;
    }
    ASSERT_FALSE(second.empty());
    std::string kept = readBytes(in + first);
    std::string reported = readBytes(in + second);

    DebugOutput debug;
    user.expectBox(duplicatesText(1), duplicatesText(1), IDOK, [&debug](HWND box) {
        EXPECT_EQ(buttonsOf(box), std::vector<int>{IDOK});
        EXPECT_TRUE(debug.lines.empty()) << "the list follows the box";
    });
    ArchiveSettings s = settings(-1, 10, 20);
    EXPECT_EQ(build(index(0xFFFF, {}), s), UxArchiveIdFile::kBuilt);
    EXPECT_EQ(user.pending(), 0u);
    EXPECT_EQ(debug.lines, std::vector<std::string>{std::to_string(reported.size()) + ":" + in + second + "\n"});
    EXPECT_EQ(inOut("res2201.grp"), "eleven" + kept);
    Entries entries(11, {0, 0});
    entries[1] = {0, 6};
    entries[2] = {6, static_cast<std::uint32_t>(kept.size())};
    EXPECT_EQ(inOut("res2200.grp"), index(0xFFFF, {table(1, 10, entries)}));
}

TEST_F(ArchiveBuild, SubfoldersComeFirstOnlyWithTheOption)
{
    writeBytes(in + "3.wav", "parent");
    putFile(in + "sub\\3.wav", "child");
    putFile(in + "sub\\deeper\\4.wav", "deep");
    putFile(in + ".hidden\\5.wav", "hidden");

    ArchiveSettings flat = settings(-1, 3, 5);
    EXPECT_EQ(build(index(0xFFFF, {}), flat), UxArchiveIdFile::kBuilt);
    EXPECT_EQ(inOut("res2201.grp"), "parent");

    DebugOutput debug;
    user.expectBox(duplicatesText(1), duplicatesText(1), IDOK);
    ArchiveSettings deep = settings(-1, 3, 5);
    deep.options = ArchiveSettings::kFromSubfolders;
    EXPECT_EQ(build(index(0xFFFF, {}), deep), UxArchiveIdFile::kBuilt);
    EXPECT_EQ(inOut("res2201.grp"), "childdeep");
    EXPECT_EQ(inOut("res2200.grp"), index(0xFFFF, {table(1, 3, {{0, 5}, {5, 4}, {0, 0}})}));
    EXPECT_EQ(debug.lines, std::vector<std::string>{"6:" + in + "3.wav\n"});
}

TEST_F(ArchiveBuild, FilesOfTheLimitOrLargerAreLeftOut)
{
    // Sparse: the file takes no room, and no byte of it is read.
    makeLargeFile(in + "1.wav", 0x20000000);
    writeBytes(in + "2.wav", "two");
    ArchiveSettings s = settings(-1, 1, 2);
    EXPECT_EQ(build(index(0xFFFF, {}), s), UxArchiveIdFile::kBuilt);
    std::string data = inOut("res2201.grp");
    ASSERT_EQ(data.size(), 3u) << "the large file is not in the group";
    EXPECT_EQ(data, "two");
    EXPECT_EQ(inOut("res2200.grp"), index(0xFFFF, {table(1, 1, {{0, 0}, {0, 3}})}));

    DeleteFileA((in + "1.wav").c_str());
    writeBytes(in + "1.wav", "four");
    const struct {
        std::uint32_t limit;
        std::string data;
    } limits[] = {{5, "fourtwo"}, {4, "two"}};
    for (const auto& l : limits) {
        ArchiveSettings limited = settings(-1, 1, 2);
        limited.maxFileSize = l.limit;
        EXPECT_EQ(build(index(0xFFFF, {}), limited), UxArchiveIdFile::kBuilt) << l.limit;
        EXPECT_EQ(inOut("res2201.grp"), l.data) << l.limit;
    }
    ArchiveSettings none = settings(-1, 1, 2);
    none.maxFileSize = 0;
    EXPECT_EQ(build(index(0xFFFF, {}), none), UxArchiveIdFile::kNothingGathered);
}

TEST_F(ArchiveBuild, RebuildingAGroupReplacesItsFileAndPutsItsTableLast)
{
    // Group 3 stands twice in this index (from elsewhere), group 5 after it.
    const std::string three = table(3, 1, {{0, 3}, {3, 4}, {0, 0}, {0, 0}});
    const std::string five = table(5, 7, {{0, 4}, {0, 0}});
    writeBytes(out + "res2203.grp", "OLDDATA");
    SetFileAttributesA((out + "res2203.grp").c_str(), FILE_ATTRIBUTE_READONLY);
    writeBytes(out + "res2205.grp", "FIVE");
    writeBytes(in + "1.wav", "new");

    ArchiveSettings s = settings(-1, 1, 2, 3);
    EXPECT_EQ(build(index(0xFFFF, {three, five, three}), s), UxArchiveIdFile::kBuilt);
    EXPECT_EQ(inOut("res2203.grp"), "new");
    EXPECT_EQ(inOut("res2205.grp"), "FIVE");
    // Shorter than the old index: the file ends with the last table.
    EXPECT_EQ(inOut("res2200.grp"), index(0xFFFF, {five, table(3, 1, {{0, 3}, {0, 0}})}));
    EXPECT_EQ(listed(out), (std::vector<std::string>{"res2200.grp", "res2203.grp", "res2205.grp"}));
}

TEST_F(ArchiveBuild, AMissingOutputFolderIsMadeOnlyWithTheOption)
{
    writeBytes(in + "001.wav", "one");
    const std::string oldIndex = index(3, {});
    writeBytes(out + "res2200.grp", oldIndex);
    const std::string made = root / "made\\deeper\\";
    for (bool create : {false, true}) {
        SCOPED_TRACE(create);
        UxArchiveIdFile archive;
        ASSERT_TRUE(archive.load((out + "res2200.grp").c_str()));
        ArchiveSettings s = settings(3, 1, 1);
        s.outputFolder = made.c_str();
        s.options = create ? ArchiveSettings::kCreateOutputFolder : 0;
        EXPECT_EQ(archive.build(s), create ? UxArchiveIdFile::kBuilt : UxArchiveIdFile::kNoOutputFolder);
        EXPECT_EQ(pathExists(root / "made\\"), create);
    }
    // The group and the index go to the output folder; the loaded index stays.
    EXPECT_EQ(readBytes(made + "res2201.grp"), "one");
    EXPECT_EQ(readBytes(made + "res2200.grp"), index(3, {table(1, 1, {{0, 3}})}));
    EXPECT_EQ(inOut("res2200.grp"), oldIndex);
}

TEST_F(ArchiveBuild, BuildsThatStopEarlyLeaveTheOldGroupAndTheIndexAsTheyWere)
{
    const std::string oldIndex = index(3, {table(1, 1, {{0, 3}})});
    const struct {
        const char* what;
        std::function<void(ArchiveSettings&, std::string&)> change;
        int result;
    } cases[] = {
        {"another kind", [](ArchiveSettings& s, std::string&) { s.resourceKind = 0x21; },
         UxArchiveIdFile::kMismatch},
        {"other name digits", [](ArchiveSettings& s, std::string&) { s.nameDigits = 4; },
         UxArchiveIdFile::kMismatch},
        {"any name against 3 digits", [](ArchiveSettings& s, std::string&) { s.nameDigits = -1; },
         UxArchiveIdFile::kMismatch},
        {"group 0, the index", [](ArchiveSettings& s, std::string&) { s.groupNumber = 0; },
         UxArchiveIdFile::kNoFileOfItsOwn},
        {"group -1, no name", [](ArchiveSettings& s, std::string&) { s.groupNumber = -1; },
         UxArchiveIdFile::kNoFileOfItsOwn},
        {"group 0x100, the index again", [](ArchiveSettings& s, std::string&) { s.groupNumber = 0x100; },
         UxArchiveIdFile::kNoFileOfItsOwn},
        {"group 0x101, group 1's file", [](ArchiveSettings& s, std::string&) { s.groupNumber = 0x101; },
         UxArchiveIdFile::kNoFileOfItsOwn},
        {"no input folder", [](ArchiveSettings& s, std::string&) { s.inputFolder = "Z:\\no\\such\\folder"; },
         UxArchiveIdFile::kNoInputFolder},
        {"no output folder", [](ArchiveSettings& s, std::string& o) {
             o += "missing\\";
             s.outputFolder = o.c_str();
             s.options = 0;
         },
         UxArchiveIdFile::kNoOutputFolder},
        {"no file qualifies", [](ArchiveSettings& s, std::string&) { s.firstId = s.lastId = 9; },
         UxArchiveIdFile::kNothingGathered},
        {"more ids than a table holds", [](ArchiveSettings& s, std::string&) { s.lastId = 0x20000000; },
         UxArchiveIdFile::kNoMemory},
        {"ids past 32 bits", [](ArchiveSettings& s, std::string&) {
             s.firstId = INT_MIN;
             s.lastId = INT_MAX;
         },
         UxArchiveIdFile::kNoMemory},
    };
    writeBytes(in + "001.wav", "one");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(out + "res2200.grp", oldIndex);
        writeBytes(out + "res2201.grp", "OLD");
        UxArchiveIdFile archive;
        ASSERT_TRUE(archive.load((out + "res2200.grp").c_str()));
        ArchiveSettings s = settings(3, 1, 2);
        // Asked to make a missing output folder: no such folder may appear
        // when the build stops before it would write.
        std::string made = root / "made\\";
        s.outputFolder = made.c_str();
        s.options = ArchiveSettings::kCreateOutputFolder;
        c.change(s, made);
        EXPECT_EQ(archive.build(s), c.result);
        EXPECT_FALSE(pathExists(root / "made\\"));
        EXPECT_EQ(inOut("res2200.grp"), oldIndex);
        EXPECT_EQ(inOut("res2201.grp"), "OLD");
        EXPECT_EQ(listed(out), (std::vector<std::string>{"res2200.grp", "res2201.grp"}));
    }
}

TEST_F(ArchiveBuild, AGroupFileThatWillNotGiveWayStopsTheBuildWithTheOldOneIntact)
{
    const std::string oldIndex = index(3, {table(1, 1, {{0, 3}})});
    writeBytes(out + "res2201.grp", "OLD");
    writeBytes(in + "001.wav", "new");
    HANDLE held = holdWithoutSharing(out + "res2201.grp");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ArchiveSettings s = settings(3, 1, 1);
    // Asked as for any file in use, the user gives up.
    user.expectBox("FCFileUty - remove", out + "res2201.grp" + expected::kUtyRemoveInUse, IDCANCEL);
    EXPECT_EQ(build(oldIndex, s), UxArchiveIdFile::kNotWritten);
    CloseHandle(held);
    EXPECT_EQ(inOut("res2201.grp"), "OLD");
    EXPECT_EQ(inOut("res2200.grp"), oldIndex);
    EXPECT_EQ(listed(out), (std::vector<std::string>{"res2200.grp", "res2201.grp"}));
}

TEST_F(ArchiveBuild, AnIndexHeldByAnotherProgramKeepsTheGroupFileAsItWasUntilItIsFree)
{
    const std::string oldIndex = index(3, {table(1, 1, {{0, 3}})});
    writeBytes(out + "res2201.grp", "OLD");
    writeBytes(in + "001.wav", "new");
    ArchiveSettings s = settings(3, 1, 1);
    writeBytes(out + "res2200.grp", oldIndex);
    UxArchiveIdFile archive;
    ASSERT_TRUE(archive.load((out + "res2200.grp").c_str()));
    HANDLE held = holdWithoutSharing(out + "res2200.grp");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    user.expectBox("FCFileUty - remove", out + "res2200.grp" + expected::kUtyRemoveInUse, IDCANCEL);
    EXPECT_EQ(archive.build(s), UxArchiveIdFile::kNotWritten);
    EXPECT_EQ(inOut("res2201.grp"), "OLD");
    // Retry once the other program has let go builds both.
    user.expectBox("FCFileUty - remove", out + "res2200.grp" + expected::kUtyRemoveInUse, IDRETRY,
                   [held](HWND) { CloseHandle(held); });
    EXPECT_EQ(archive.build(s), UxArchiveIdFile::kBuilt);
    EXPECT_EQ(inOut("res2201.grp"), "new");
    EXPECT_EQ(inOut("res2200.grp"), index(3, {table(1, 1, {{0, 3}})}));
    EXPECT_EQ(listed(out), (std::vector<std::string>{"res2200.grp", "res2201.grp"}));
}

TEST_F(ArchiveBuild, CancelWhileTheIndexIsWrittenLeavesTheGroupAndTheIndexAsTheyWere)
{
    const std::string oldIndex = index(3, {table(1, 1, {{0, 3}})});
    writeBytes(out + "res2201.grp", "OLD");
    writeBytes(in + "001.wav", "new");
    // The new index cannot be written beside the old one; the user gives
    // up in the file's box.  The new group file must not be in place then:
    // the old index describes the old group.
    blockNewBytesOf(out + "res2200.grp");
    ArchiveSettings s = settings(3, 1, 1);
    user.expectDialog("FCFile - open", IDCANCEL);
    EXPECT_THROW(build(oldIndex, s), CannotOpenException);
    RemoveDirectoryA((out + "~brantlewick-parts\\res2200.grp").c_str());
    RemoveDirectoryA((out + "~brantlewick-parts").c_str());
    EXPECT_EQ(inOut("res2201.grp"), "OLD");
    EXPECT_EQ(inOut("res2200.grp"), oldIndex);
    EXPECT_EQ(listed(out), (std::vector<std::string>{"res2200.grp", "res2201.grp"}));
}

TEST_F(ArchiveBuild, LoadReadsAWholeIndexAndSavesItAsItWasRead)
{
    // Last ids written wrong and bytes behind the last table: neither is kept.
    std::string t1 = table(2, 5, {{0, 1}, {1, 2}});
    std::string t2 = table(9, -4, {{7, 8}});
    std::string wrongLast = t1;
    wrongLast[8] = 'X';
    writeBytes(out + "res2200.grp", index(4, {wrongLast, t2}, 0x21, 0x0707) + "trailing");
    UxArchiveIdFile archive;
    ASSERT_TRUE(archive.load((out + "res2200.grp").c_str()));
    EXPECT_EQ(archive.folder().text(), out);

    const std::string copy = root / "copy\\";
    CreateDirectoryA(copy.c_str(), nullptr);
    archive.save(copy.c_str());
    EXPECT_EQ(readBytes(copy + "res2100.grp"), index(4, {t1, t2}, 0x21, 0x0707));
}

TEST_F(ArchiveBuild, WhatIsNotAWholeIndexDoesNotLoadAndChangesNothing)
{
    const std::string good = index(4, {table(2, 5, {{0, 1}})}, 0x21);
    const std::string broken[] = {
        "",
        "AIFS" + good.substr(4),
        good.substr(0, good.size() - 1),
        good.substr(0, 12) + le32(0x7FFFFFFF) + good.substr(16),
        good.substr(0, 12) + le32(0xFFFFFFFF),
        good.substr(0, 28) + le32(0xFFFFFFFF) + good.substr(32),
    };
    writeBytes(out + "good.grp", good);
    UxArchiveIdFile archive;
    ASSERT_TRUE(archive.load((out + "good.grp").c_str()));
    for (const std::string& bytes : broken) {
        writeBytes(out + "broken.grp", bytes);
        EXPECT_FALSE(archive.load((out + "broken.grp").c_str())) << printable(bytes);
    }
    EXPECT_FALSE(archive.load((out + "missing.grp").c_str()));
    EXPECT_FALSE(archive.load(out.c_str())) << "a folder";
    EXPECT_EQ(archive.folder().text(), out);
    archive.save(in.c_str());
    EXPECT_EQ(readBytes(in + "res2100.grp"), good);
}

}  // namespace
