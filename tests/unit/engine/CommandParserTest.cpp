#include "engine/CommandParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What a record holds, in plain strings, so that a table can state it.
struct Record {
    std::int32_t type;
    std::string param1;
    std::string param2;
    std::string param3;

    bool operator==(const Record& other) const
    {
        return type == other.type && param1 == other.param1 && param2 == other.param2 &&
               param3 == other.param3;
    }
};

void PrintTo(const Record& r, std::ostream* os)
{
    *os << "{" << r.type << ", '" << r.param1 << "', '" << r.param2 << "', '" << r.param3 << "'}";
}

std::vector<Record> commandList(const std::string& section)
{
    FCString description;
    description.assign(section.data(), section.size());
    FCXList<CMD_DATA_> records;
    CommandSectionReader(description).readCommandList(records);
    std::vector<Record> result;
    FCXListIterator<CMD_DATA_> it(records);
    while (CMD_DATA_* record = it.next())
        result.push_back({record->type, record->param1.text(), record->param2.text(), record->param3.text()});
    return result;
}

struct CopyLine {
    std::string source;
    std::string destination;
    std::string backupPattern;

    bool operator==(const CopyLine& other) const
    {
        return source == other.source && destination == other.destination &&
               backupPattern == other.backupPattern;
    }
};

void PrintTo(const CopyLine& l, std::ostream* os)
{
    *os << "{'" << l.source << "', '" << l.destination << "', '" << l.backupPattern << "'}";
}

std::vector<CopyLine> copyList(const std::string& section)
{
    FCString description;
    description.assign(section.data(), section.size());
    CommandSectionReader reader(description);
    std::vector<CopyLine> result;
    CopyListLine line;
    while (reader.nextCopyLine(line))
        result.push_back({line.source.text(), line.destination.text(), line.backupPattern.text()});
    return result;
}

struct LineCase {
    std::string line;
    std::vector<Record> records;  // empty: the line is skipped
};

// Code page 932 characters whose second byte looks like a character of our
// grammar: 表 ends in "\", ッ in "b", ブ in "u".
const char kHyou[] = "\x95\\";
const char kTsu[] = "\x83\x62";
const char kBu[] = "\x83u";

TEST(CommandList, EachLineGivesItsRecord)
{
    const std::string hyou = kHyou;
    const LineCase cases[] = {
        // Every key, by its first character only.
        {"u;a.dll;b.dll;bak\\a%1.dll", {{CMD_UPDATE, "a.dll", "b.dll", "bak\\a%1.dll"}}},
        {"update;a.dll;b.dll", {{CMD_UPDATE, "a.dll", "b.dll", ""}}},
        {"d;old\\;%backup%old\\", {{CMD_DELETE, "old\\", "%backup%old\\", ""}}},
        {"m;new\\", {{CMD_MKDIR, "new\\", "", ""}}},
        {"i;conf.ini;Main,Ver,2", {{CMD_INI, "conf.ini", "Main,Ver,2", ""}}},
        {"r;a.txt;b.txt", {{CMD_RENAME, "a.txt", "b.txt", ""}}},
        {"b;app.exe;16,2;90 90", {{CMD_PATCH_BYTES, "app.exe", "16,2", "90 90"}}},
        {"o;src.bin;dst.bin;0,16,32", {{CMD_COPY_RANGE, "src.bin", "dst.bin", "0,16,32"}}},
        {"g;1,res\\,4,1,9;index.dat,2,1", {{CMD_BUILD_ARCHIVE, "1,res\\,4,1,9", "index.dat,2,1", ""}}},
        // "c": the first letter of the first parameter alone decides.
        {"c;backup%1\\", {{CMD_BACKUP_FOLDER, "backup%1\\", "", ""}}},
        {"c;backup%1\\;note", {{CMD_BACKUP_FOLDER, "backup%1\\", "note", ""}}},
        {"c;bin\\a.dll;%backup%a.dll", {{CMD_BACKUP_FOLDER, "bin\\a.dll", "%backup%a.dll", ""}}},
        {"c;data\\a.dll;data\\b.dll", {{CMD_COPY, "data\\a.dll", "data\\b.dll", ""}}},
        {"c;Backup\\", {{CMD_COPY, "Backup\\", "", ""}}},
        {"c", {{CMD_COPY, "", "", ""}}},
        // "e": the whole keyword "end", byte for byte, else a program run.
        {"end;1;app.exe;msg %1", {{CMD_END, "1", "app.exe", "msg %1"}}},
        {"exec;setup.exe;/s", {{CMD_RUN, "setup.exe", "/s", ""}}},
        {"ending;x", {{CMD_RUN, "x", "", ""}}},
        {"end \t;0", {{CMD_RUN, "0", "", ""}}},
        {"end\x01;0", {{CMD_RUN, "0", "", ""}}},
        // Keys are lower case; anything else is skipped.
        {"End;1;app.exe", {}},
        {"U;a.dll;a.dll", {}},
        {"x;a;b", {}},
        {"1;a;b", {}},
        {"\x82\x95;a", {}},  // ｕ, the full-width letter
        {std::string(kBu) + ";a", {}},
        // Fields: runs of ";" and TAB part them; blanks belong to them.
        {"u;;a.dll;b.dll", {{CMD_UPDATE, "a.dll", "b.dll", ""}}},
        {"u\ta.dll\t\tb.dll", {{CMD_UPDATE, "a.dll", "b.dll", ""}}},
        {"u; a.dll ;b.dll", {{CMD_UPDATE, " a.dll ", "b.dll", ""}}},
        {"u;a.dll;b.dll;c;d", {{CMD_UPDATE, "a.dll", "b.dll", "c"}}},
        {"u;a.dll;b.dll;c\td;e", {{CMD_UPDATE, "a.dll", "b.dll", "c"}}},
        {"u;a.dll;;;", {{CMD_UPDATE, "a.dll", "", ""}}},
        {"i conf.ini", {{CMD_INI, "", "", ""}}},
        // Double-byte characters are never split, whatever their second byte.
        {"d;" + hyou + "\\;" + hyou, {{CMD_DELETE, hyou + "\\", hyou, ""}}},
        {std::string("c;") + kTsu, {{CMD_COPY, kTsu, "", ""}}},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(commandList(c.line), c.records) << "line '" << c.line << "'";
}

TEST(CommandList, SectionKeepsTheOrderOfItsLinesAndPassesOverTheRest)
{
    const std::string section =
        "\r\n\r\n  u;a.dll;a.dll\r\n"
        "  ; note\r\n"
        ";u;skipped.dll\r\n"
        "\t \r\n"
        "U;a.dll\n"
        "\tm;new\\ \r\r\n"
        "end;0;x.exe";
    const std::vector<Record> expected = {
        {CMD_UPDATE, "a.dll", "a.dll", ""},
        {CMD_MKDIR, "new\\ ", "", ""},
        {CMD_END, "0", "x.exe", ""},
    };
    EXPECT_EQ(commandList(section), expected);
}

TEST(CommandList, EmptySectionGivesNoRecord)
{
    for (const char* section : {"", "\r\n \t\r\n", "; only a comment\r\n", "X;a\r\nEnd;1\r\n"})
        EXPECT_TRUE(commandList(section).empty()) << "section '" << section << "'";
}

TEST(CommandList, ReadsFromTheDescriptionCursorAndOwnsItsRecords)
{
    FCString description("u;header.dll\r\nm;section\\\r\n");
    description.setCursor(description.text() + 14);  // behind the first line
    FCXList<CMD_DATA_> records;
    CommandSectionReader(description).readCommandList(records);
    ASSERT_EQ(records.count(), 1);
    EXPECT_TRUE(records.first()->owned());
    EXPECT_EQ(records.first()->item()->type, CMD_MKDIR);
    EXPECT_STREQ(records.first()->item()->param1.text(), "section\\");
}

TEST(CommandRecord, StartsWithoutKindAndStoresWhatItIsGiven)
{
    CMD_DATA_ record;
    EXPECT_EQ(record.type, -1);
    EXPECT_TRUE(record.param1.empty() && record.param2.empty() && record.param3.empty());
    EXPECT_EQ(record.param1.blockSize(), FCString::kDefaultBlockSize);

    record.set(CMD_UPDATE, "a", "b", "c");
    record.set(CMD_RENAME, "x", "", "z");
    EXPECT_EQ(record.type, CMD_RENAME);
    EXPECT_STREQ(record.param1.text(), "x");
    EXPECT_STREQ(record.param2.text(), "");
    EXPECT_STREQ(record.param3.text(), "z");
}

TEST(CommandFormat, ChosenByTheCommandMode)
{
    const struct {
        std::int32_t mode;
        CommandFormat format;
    } cases[] = {
        {100, CommandFormat::CopyList},  {101, CommandFormat::CommandList},
        {2000, CommandFormat::CommandList}, {99, CommandFormat::None},
        {50, CommandFormat::None},       {0, CommandFormat::None},
        {-100, CommandFormat::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(commandFormatOf(c.mode), c.format) << "mode " << c.mode;
}

TEST(CopyList, EachLineGivesItsCopy)
{
    const std::string hyou = kHyou;
    const struct {
        std::string line;
        CopyLine copy;
    } cases[] = {
        {"a.dll; b.dll ;bak\\a%1.dll", {"a.dll", "b.dll ", "bak\\a%1.dll"}},
        {"data\\x.bin", {"data\\x.bin", "data\\x.bin", ""}},
        {"a.dll;", {"a.dll", "a.dll", ""}},
        {"a.dll;;; \t", {"a.dll", "a.dll", ""}},
        {"a.dll ;b.dll", {"a.dll ", "b.dll", ""}},
        {"a.dll;b.dll;;\t bak\\%1;ignored", {"a.dll", "b.dll", "bak\\%1"}},
        {"a.dll\tx;b.dll", {"a.dll\tx", "b.dll", ""}},
        {hyou + "\\" + hyou + ";" + hyou, {hyou + "\\" + hyou, hyou, ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(copyList(c.line), std::vector<CopyLine>{c.copy}) << "line '" << c.line << "'";
}

TEST(CopyList, HandsOutOneLineAtATimeAndNoBackupIsLeftOver)
{
    FCString description("  a.dll;a.dll;bak%1\r\n; note\r\n\r\nb.dll\r\n");
    CommandSectionReader reader(description);
    CopyListLine line;
    ASSERT_TRUE(reader.nextCopyLine(line));
    EXPECT_STREQ(line.backupPattern.text(), "bak%1");
    // The reader stops behind the line it handed out: the rest is unread.
    EXPECT_STREQ(description.rest(), "\n; note\r\n\r\nb.dll\r\n");
    ASSERT_TRUE(reader.nextCopyLine(line));
    EXPECT_STREQ(line.source.text(), "b.dll");
    EXPECT_STREQ(line.backupPattern.text(), "");
    EXPECT_FALSE(reader.nextCopyLine(line));
}

}  // namespace
