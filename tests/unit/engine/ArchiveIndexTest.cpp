// The bytes and names of an archive, without files: what an index holds,
// which indexes are refused, how the files are named and which input names
// count for an id.
#include "engine/ArchiveIndex.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string le32(std::uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

// reserved 0x0102, name digits 3, kind 0x22.
std::string header(std::uint32_t tableCount)
{
    return std::string("AiFS\x02\x01\x03\x00\x22\x00\x00\x00", 12) + le32(tableCount);
}

// A table header; the last id is written wrong on purpose, as it is never read.
std::string table(std::int32_t group, std::int32_t first, std::int32_t count)
{
    return le32(static_cast<std::uint32_t>(group)) + le32(static_cast<std::uint32_t>(first)) +
           le32(0xDEADBEEF) + le32(static_cast<std::uint32_t>(count));
}

std::string entries(int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += le32(static_cast<std::uint32_t>(100 + i)) + le32(static_cast<std::uint32_t>(i + 1));
    return bytes;
}

bool readBytes(const std::string& bytes, archiveindex::Contents& contents)
{
    return archiveindex::read(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), contents);
}

TEST(ArchiveIndex, ReadsHeaderAndTablesWhereTheyLieAndIgnoresWhatFollows)
{
    std::string bytes = header(3) + table(3, 10, 2) + entries(2) + table(-5, -2, 0) +
                        table(7, 0x7FFFFFFF, 1) + entries(1) + "left over";
    archiveindex::Contents contents;
    ASSERT_TRUE(readBytes(bytes, contents));
    EXPECT_EQ(contents.header.reserved, 0x0102);
    EXPECT_EQ(contents.header.nameDigits, 3);
    EXPECT_EQ(contents.header.resourceKind, 0x22u);
    ASSERT_EQ(contents.tables.size(), 3u);
    const auto* base = reinterpret_cast<const unsigned char*>(bytes.data());
    struct Expected {
        std::int32_t group, first, count;
        std::size_t entriesAt;
    };
    const Expected expected[] = {{3, 10, 2, 32}, {-5, -2, 0, 64}, {7, 0x7FFFFFFF, 1, 80}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(contents.tables[i].group, expected[i].group);
        EXPECT_EQ(contents.tables[i].firstId, expected[i].first);
        EXPECT_EQ(contents.tables[i].count, expected[i].count);
        EXPECT_EQ(contents.tables[i].entries, base + expected[i].entriesAt);
    }
}

TEST(ArchiveIndex, RefusesWhatIsNotAWholeIndexAndChangesNothing)
{
    const std::string whole = header(1) + table(1, 0, 2) + entries(2);
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"header cut short", header(0).substr(0, 15)},
        {"another magic", "AIFS" + header(0).substr(4)},
        {"negative table count", header(0xFFFFFFFF)},
        {"table count 0x7FFFFFFF with one table", header(0x7FFFFFFF) + table(1, 0, 2) + entries(2)},
        {"more tables counted than present", header(2) + table(1, 0, 2) + entries(2)},
        {"table header cut short", header(1) + table(1, 0, 0).substr(0, 15)},
        {"negative entry count", header(1) + table(1, 0, -1) + entries(4)},
        {"entry count 0x7FFFFFFF", header(1) + table(1, 0, 0x7FFFFFFF) + entries(4)},
        {"entries cut short", whole.substr(0, whole.size() - 1)},
        {"more ids than a table holds", header(1) + table(1, 0, archiveindex::kMostIds + 1)},
        {"ids past the largest id", header(1) + table(1, 0x7FFFFFFF, 2) + entries(2)},
        {"empty table before the smallest id", header(1) + table(1, INT_MIN, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        archiveindex::Contents contents;
        ASSERT_TRUE(readBytes(whole, contents));
        EXPECT_FALSE(readBytes(c.bytes, contents));
        ASSERT_EQ(contents.tables.size(), 1u);
        EXPECT_EQ(contents.tables[0].count, 2);
        EXPECT_EQ(contents.header.nameDigits, 3);
    }
}

TEST(ArchiveIndex, WritesHeadersWithTheLastIdReckoned)
{
    unsigned char out[16];
    archiveindex::Header h;
    h.reserved = 0xABCD;
    h.nameDigits = 0xFFFF;
    h.resourceKind = 0x21;
    archiveindex::putHeader(out, h, 2);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 16),
              std::string("AiFS\xCD\xAB\xFF\xFF\x21\0\0\0\x02\0\0\0", 16));

    const struct {
        std::int32_t group, first, count;
        std::uint32_t last;
    } cases[] = {
        {3, 10, 5, 14},
        {1, 0, 0, 0xFFFFFFFF},  // an empty table ends before its first id
        {-1, 0x7FFFFFFF, 1, 0x7FFFFFFF},
        {0x100, -3, 2, 0xFFFFFFFE},
    };
    for (const auto& c : cases) {
        archiveindex::putTableHeader(out, c.group, c.first, c.count);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 16),
                  le32(static_cast<std::uint32_t>(c.group)) + le32(static_cast<std::uint32_t>(c.first)) +
                      le32(c.last) + le32(static_cast<std::uint32_t>(c.count)))
            << c.group;
    }
}

TEST(ArchiveIndex, FileNamesCarryTwoHexadecimalDigitsOfKindAndGroup)
{
    const struct {
        std::uint32_t kind;
        std::int32_t group;
        const char* name;
    } cases[] = {
        {0x22, 0, "res2200.grp"},   {0x22, 1, "res2201.grp"},  {0x22, 0x1AB, "res22ab.grp"},
        {0x22, -1, "res22??.grp"},  {0x22, -2, "res22fe.grp"}, {0x5, 0x3, "res0503.grp"},
        {0x122, 0x10, "res2210.grp"},
    };
    for (const auto& c : cases) {
        FCString out("out\\");
        archiveindex::groupFileName(out, c.kind, c.group);
        EXPECT_STREQ(out.text(), (std::string("out\\") + c.name).c_str());
    }
    // Only the groups 1 to 0xFF have a file that is theirs alone.
    const struct {
        std::int32_t group;
        bool own;
    } groups[] = {{0, false}, {1, true}, {0xFF, true}, {0x100, false}, {0x101, false}, {-1, false},
                  {-256, false}};
    for (const auto& g : groups)
        EXPECT_EQ(archiveindex::hasFileOfItsOwn(g.group), g.own) << g.group;
}

TEST(ArchiveIndex, EachKindHasItsExtension)
{
    const struct {
        std::uint32_t kind;
        const char* extension;
    } cases[] = {{0x11, "gyu"}, {0x12, "dlg"}, {0x13, "mpg"}, {0x20, "v"}, {0x21, "ogg"},
                 {0x22, "wav"}, {0x30, "rld"}, {0x0, ""},    {0x23, ""}, {0x122, ""}};
    for (const auto& c : cases) {
        FCString bare("x");
        FCString dotted("x");
        archiveindex::kindExtension(bare, c.kind, false);
        archiveindex::kindExtension(dotted, c.kind, true);
        EXPECT_STREQ(bare.text(), (std::string("x") + c.extension).c_str()) << c.kind;
        EXPECT_STREQ(dotted.text(), (std::string(*c.extension ? "x." : "x") + c.extension).c_str())
            << c.kind;
    }
}

TEST(ArchiveIndex, NameDigitsDecideWhichNamesCountForAnId)
{
    const struct {
        const char* name;
        std::int32_t id;
        std::int32_t digits;
        std::uint32_t kind;
        bool fits;
    } cases[] = {
        {"12.wav", 12, -1, 0x22, true},     {"12a.wav", 12, -1, 0x22, true},
        {"0x0c.wav", 12, -1, 0x22, true},   {"012.wav", 12, 3, 0x22, true},
        {"012.WAV", 12, 3, 0x22, true},     {"12.wav", 12, 3, 0x22, false},
        {"0012.wav", 12, 3, 0x22, false},   {"012.ogg", 12, 3, 0x22, false},
        {"012a.wav", 12, 3, 0x22, false},   {"0x0c.wav", 12, 3, 0x22, false},
        {"1234.wav", 1234, 3, 0x22, false}, {"1234.wav", 1234, 4, 0x22, true},
        {"012", 12, 3, 0x40, true},         {"012.wav", 12, 3, 0x40, false},
        // 0: the id as it is written, no zeros in front.
        {"12.wav", 12, 0, 0x22, true},      {"12.WAV", 12, 0, 0x22, true},
        {"012.wav", 12, 0, 0x22, false},    {"12a.wav", 12, 0, 0x22, false},
        {"0.wav", 0, 0, 0x22, true},
        // Other negative values take no name.
        {"12.wav", 12, -2, 0x22, false},    {"12.wav", 12, INT_MIN, 0x22, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(archiveindex::nameFitsId(c.name, c.id, c.digits, c.kind), c.fits)
            << c.name << " for id " << c.id << " with " << c.digits << " digits, kind " << c.kind;
    }
}

}  // namespace
