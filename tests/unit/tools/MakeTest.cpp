// The maker on real tree pairs: for each kind of change, the records it
// writes (in an order that works), that the check finds nothing in the
// patch, and on Windows that the rehearsal of the patch on the older tree
// gives the newer one.
#include "tools/check/FolderTree.h"
#include "tools/check/MakeProof.h"
#include "tools/check/PatchPlan.h"
#include "tools/check/PatchWriter.h"
#include "tools/check/TreeCompare.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A file (its bytes) or, with a final "/", a folder; names in UTF-8.
struct Item {
    const char* path;
    const char* bytes;
};

struct TreeCase {
    const char* name;
    std::vector<Item> older;
    std::vector<Item> newer;
    std::vector<std::string> records;  // code page 932
    bool keepRemoved = false;
    bool replaceIni = false;
    std::vector<MakeNote> notes = {};
    const char* versionSource = "";  // the text after "U="
};

// 表 in code page 932: its trail byte is "\\".
#define HYO "\x95\x5C"

const TreeCase kCases[] = {
    {"changed file in a nested folder",
     {{"a/b/c.txt", "1"}, {"a/same.txt", "s"}},
     {{"a/b/c.txt", "2"}, {"a/same.txt", "s"}},
     {"c;backup%1\\", "u;files\\a\\b\\c.txt;a\\b\\c.txt;%backup%a\\b\\c.txt"}},
    {"same size, other bytes",
     {{"s.bin", "abcd"}},
     {{"s.bin", "abce"}},
     {"c;backup%1\\", "u;files\\s.bin;s.bin;%backup%s.bin"}},
    {"new folder with files",
     {{"keep.txt", "k"}},
     {{"keep.txt", "k"}, {"n/x.txt", "x"}, {"n/deep/y.txt", "y"}},
     {"u;files\\n\\deep\\y.txt;n\\deep\\y.txt", "u;files\\n\\x.txt;n\\x.txt"}},
    {"new empty folders",
     {{"keep.txt", "k"}},
     {{"keep.txt", "k"}, {"e/", ""}, {"f/sub/", ""}, {"g/", ""}, {"g/h.txt", "h"}},
     {"m;e\\", "m;f\\sub\\", "u;files\\g\\h.txt;g\\h.txt"}},
    {"removed folder with files",
     {{"keep.txt", "k"}, {"r/a.txt", "a"}, {"r/s/b.txt", "b"}},
     {{"keep.txt", "k"}},
     {"c;backup%1\\", "d;r\\;%backup%r\\"}},
    {"removed file in a kept folder",
     {{"lib/old.dll", "o"}, {"lib/core.dll", "c"}},
     {{"lib/core.dll", "c"}},
     {"c;backup%1\\", "d;lib\\old.dll;%backup%lib~old.dll"}},
    {"file replaced by a folder of the same name",
     {{"x", "file"}},
     {{"x/in.txt", "in"}},
     {"c;backup%1\\", "d;x;%backup%x", "u;files\\x\\in.txt;x\\in.txt"}},
    {"folder replaced by a file of the same name",
     {{"y/a.txt", "a"}, {"y/sub/", ""}},
     {{"y", "file"}},
     {"c;backup%1\\", "d;y\\;%backup%y\\", "u;files\\y;y"}},
    {"0-byte files",
     {{"z.txt", ""}, {"zero.txt", ""}, {"full.txt", "f"}},
     {{"z.txt", "now"}, {"zero.txt", ""}, {"full.txt", ""}, {"empty.txt", ""}},
     {"c;backup%1\\", "u;files\\empty.txt;empty.txt", "u;files\\full.txt;full.txt;%backup%full.txt",
      "u;files\\z.txt;z.txt;%backup%z.txt"}},
    {"Japanese names with a \"\\\" trail byte",
     {{"\xE8\xA1\xA8/a.txt", "1"}, {"\xE8\xA1\xA8/b.txt", "b"}},
     {{"\xE8\xA1\xA8/a.txt", "2"}, {"\xE8\xA1\xA8\xE7\xA4\xBA/", ""}},
     {"c;backup%1\\", "d;" HYO "\\b.txt;%backup%" HYO "~b.txt", "m;" HYO "\x8E\xA6\\",
      "u;files\\" HYO "\\a.txt;" HYO "\\a.txt;%backup%" HYO "\\a.txt"}},
    {"names that differ only in case",
     {{"Readme.txt", "same"}, {"Doc.txt", "1"}, {"Data/a.txt", "a"}},
     {{"README.txt", "same"}, {"DOC.txt", "2"}, {"data/a.txt", "a"}},
     {"c;backup%1\\", "u;files\\DOC.txt;DOC.txt;%backup%DOC.txt"},
     false,
     false,
     {MakeNote::CaseOnly, MakeNote::CaseOnly, MakeNote::CaseOnly, MakeNote::CaseOnly}},
    {"--keep-removed keeps all but what a new entry replaces",
     {{"gone.txt", "g"}, {"old/x.txt", "x"}, {"f", "file"}},
     {{"f/a.txt", "a"}},
     {"c;backup%1\\", "d;f;%backup%f", "u;files\\f\\a.txt;f\\a.txt"},
     true},
    {"INI keys added and changed; a removed key is a note",
     {{"app.ini", "[A]\r\nk=1\r\nx=2\r\n[Version]\r\nBuild=1\r\n"}},
     {{"app.ini", "[A]\r\nk=2\r\n[B]\r\nn=3\r\n[Version]\r\nBuild=2\r\n"}},
     {"i;app.ini;A,k,2", "i;app.ini;B,n,3"},
     false,
     false,
     {MakeNote::IniKeyRemoved},
     "1;app.ini;Version;Build"},
    {"--replace-ini ships the INI file whole",
     {{"app.ini", "[A]\r\nk=1\r\n"}},
     {{"app.ini", "[A]\r\nk=2\r\n"}},
     {"c;backup%1\\", "u;files\\app.ini;app.ini;%backup%app.ini"},
     false,
     true},
    {"an INI value an \"i\" record cannot write ships the file whole",
     {{"app.ini", "[A]\r\nk=1\r\n"}},
     {{"app.ini", "[A]\r\nk=1,2\r\n"}},
     {"c;backup%1\\", "u;files\\app.ini;app.ini;%backup%app.ini"},
     false,
     false,
     {MakeNote::IniShippedWhole}},
    {"the updates' backup folders are left alone",
     {{"backup00000000/a.txt", "a"}, {"a.txt", "1"}},
     {{"a.txt", "2"}},
     {"c;backup%1\\", "u;files\\a.txt;a.txt;%backup%a.txt"}},
};

void writeTree(const fs::path& top, const std::vector<Item>& items)
{
    fs::create_directories(top);
    for (const Item& item : items) {
        std::string path = item.path;
        fs::path where = top / fs::u8path(path);
        if (!path.empty() && path.back() == '/') {
            fs::create_directories(where);
            continue;
        }
        fs::create_directories(where.parent_path());
        std::ofstream(where, std::ios::binary) << item.bytes;
    }
}

std::string readAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool readBytes(const fs::path& path, std::string& bytes)
{
    bytes = readAll(path);
    return true;
}

class MakeTest : public ::testing::TestWithParam<TreeCase> {
protected:
    void SetUp() override
    {
        top_ = fs::temp_directory_path() /
               ("bw-make-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + std::to_string(counter_++));
        fs::remove_all(top_);
    }
    void TearDown() override { fs::remove_all(top_); }

    // Makes the patch; its description's records and the plan.
    PatchPlan make(const TreeCase& c, MakeOptions options, std::string& description)
    {
        writeTree(top_ / "old", c.older);
        writeTree(top_ / "new", c.newer);
        FolderTree older;
        FolderTree newer;
        std::string error;
        EXPECT_TRUE(readFolderTree(top_ / "old", isUpdateBackup, older, error)) << error;
        EXPECT_TRUE(readFolderTree(top_ / "new", isUpdateBackup, newer, error)) << error;
        options.keepRemoved = c.keepRemoved;
        options.replaceIni = c.replaceIni;
        PatchPlan plan = planPatch(compareTrees(older, newer, nullptr), options, readBytes);
        for (const FolderTree* tree : {&older, &newer}) {
            for (const auto& twin : tree->caseTwins)
                plan.warnings.push_back({MakeNote::CaseOnly, twin.first + " | " + twin.second});
        }
        description = descriptionText(plan, options);
        EXPECT_TRUE(writePatch(plan, description, top_ / "new", top_ / "patch", error)) << error;
        return plan;
    }

    std::string folder(const char* name) const { return (top_ / name).string(); }

    fs::path top_;
    static int counter_;
};

int MakeTest::counter_ = 0;

MakeOptions optionsFor(const TreeCase& c)
{
    MakeOptions options;
    options.product = "Tool";
    options.version = "2";
    options.versionSource = c.versionSource;
    options.install = "1;.";
    return options;
}

TEST_P(MakeTest, WritesRecordsInAnOrderThatWorksAndProvesThem)
{
    const TreeCase& c = GetParam();
    std::string description;
    PatchPlan plan = make(c, optionsFor(c), description);
    EXPECT_EQ(plan.records, c.records);
    std::vector<MakeNote> notes;
    for (const MakeWarning& warning : plan.warnings)
        notes.push_back(warning.note);
    std::sort(notes.begin(), notes.end());
    EXPECT_EQ(notes, c.notes);

    EXPECT_EQ(readAll(top_ / "patch" / "brantlewick.dat"), description);
    Proof proof;
    proof.check = checkPatchFolder(folder("patch"));
    for (const CheckWarning& warning : proof.check.warnings)
        ADD_FAILURE() << "check: line " << warning.line << " " << checkCodeName(warning.code)
                      << " " << warning.detail;
#ifdef _WIN32
    proof.keepRemoved = c.keepRemoved;
    rehearsePatch(folder("old"), folder("new"), folder("patch"), proof);
    EXPECT_EQ(proof.outcome, RehearsalOutcome::Verified) << proof.reason;
    for (const ProofDifference& difference : proof.differences)
        ADD_FAILURE() << "rehearsal: " << difference.kind << " " << difference.name;
#endif
}

INSTANTIATE_TEST_SUITE_P(TreePairs, MakeTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TreeCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST_F(MakeTest, TheSameTreesGiveTheSameDescriptionByteForByte)
{
    const TreeCase& c = kCases[9];  // Japanese names, a removal, a new folder
    std::string first;
    make(c, optionsFor(c), first);
    fs::remove_all(top_);
    // The newer tree written in the reverse order: the system may list it
    // in another order.
    TreeCase reversed = c;
    std::reverse(reversed.newer.begin(), reversed.newer.end());
    std::string second;
    make(reversed, optionsFor(c), second);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.find("brantlewick-make-test"), std::string::npos);
    EXPECT_EQ(first.find(top_.string()), std::string::npos);
}

TEST_F(MakeTest, AProofOfAPatchThatIsNotTheNewTreeListsTheDifferences)
{
    const TreeCase& c = kCases[0];
    std::string description;
    make(c, optionsFor(c), description);
    // The newer tree gains a file the patch does not ship, and one changes.
    writeTree(top_ / "new", {{"late.txt", "l"}, {"a/same.txt", "t"}});
    Proof proof;
    proof.check = checkPatchFolder(folder("patch"));
#ifdef _WIN32
    rehearsePatch(folder("old"), folder("new"), folder("patch"), proof);
    ASSERT_EQ(proof.outcome, RehearsalOutcome::Differs) << proof.reason;
    std::vector<ProofDifference> expected = {{"differs", "a\\same.txt"}, {"missing", "late.txt"}};
    EXPECT_EQ(proof.differences, expected);
#endif
}

TEST_F(MakeTest, ANameThatCodePage932CannotHoldIsListed)
{
    // "é" has no code page 932 form; "ü" neither.
    writeTree(top_ / "t", {{"caf\xC3\xA9.txt", "c"}, {"ok.txt", "o"}, {"d\xC3\xBC/x.txt", "x"}});
    FolderTree tree;
    std::string error;
    ASSERT_TRUE(readFolderTree(top_ / "t", isUpdateBackup, tree, error)) << error;
    ASSERT_EQ(tree.unwritable.size(), 2u);
    EXPECT_NE(tree.unwritable[0].find("caf\xC3\xA9.txt"), std::string::npos);
    EXPECT_NE(tree.unwritable[1].find("d\xC3\xBC"), std::string::npos);
    ASSERT_EQ(tree.entries.size(), 1u);
    EXPECT_EQ(tree.entries[0].name, "ok.txt");
}

#ifndef _WIN32
// Linux folders can hold names that differ only in case; Windows cannot.
TEST_F(MakeTest, NamesInOneTreeThatDifferOnlyInCaseAreOne)
{
    writeTree(top_ / "t", {{"Read.txt", "1"}, {"READ.txt", "2"}, {"other.txt", "o"}});
    FolderTree tree;
    std::string error;
    ASSERT_TRUE(readFolderTree(top_ / "t", isUpdateBackup, tree, error)) << error;
    ASSERT_EQ(tree.entries.size(), 2u);
    EXPECT_EQ(tree.entries[1].name, "READ.txt");  // the first in byte order
    ASSERT_EQ(tree.caseTwins.size(), 1u);
    EXPECT_EQ(tree.caseTwins[0], std::make_pair(std::string("READ.txt"), std::string("Read.txt")));
}
#endif

}  // namespace
