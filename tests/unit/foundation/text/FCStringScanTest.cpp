#include "foundation/text/FCString.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kHyo[] = "\225\\";  // 表, trail byte "\\"
const char kSo[] = "\203\\";   // ソ, trail byte "\\"

// All lines that readLine(line, true, false) yields, as the description
// reader takes them.
std::vector<std::string> lines(const std::string& text)
{
    FCString s;
    s.assign(text.data(), text.size());
    std::vector<std::string> out;
    FCString line;
    while (s.readLine(line, true, false))
        out.emplace_back(line.text(), static_cast<std::size_t>(line.length()));
    return out;
}

TEST(CutToken, SkipsLeadingDelimitersAndStopsOnTheNext)
{
    FCString s(";;abc;def");
    FCString out;
    EXPECT_EQ(s.cutToken(out, ";"), s.text() + 2);
    EXPECT_STREQ(out.text(), "abc");
    EXPECT_EQ(out.blockSize(), 32);
    EXPECT_STREQ(s.rest(), ";def");
    EXPECT_EQ(s.cutToken(out, ";"), s.text() + 6);
    EXPECT_STREQ(out.text(), "def");
}

TEST(CutToken, OnlyDelimitersYieldNoneAndKeepTheOutput)
{
    FCString s(";;;");
    FCString out("old");
    EXPECT_EQ(s.cutToken(out, ";"), nullptr);
    EXPECT_STREQ(out.text(), "old");
    EXPECT_EQ(*s.rest(), '\0');
}

TEST(CutToken, KeepsBlanksAndCanTakeTheDelimiter)
{
    FCString s("abc ;x");
    FCString out;
    s.cutToken(out, ";");
    EXPECT_STREQ(out.text(), "abc ");
    s.rewind();
    s.cutToken(out, ";", true);
    EXPECT_STREQ(out.text(), "abc ;");
    EXPECT_STREQ(s.rest(), "x");
}

TEST(CutToken, NeverCutsAtTheTrailByteOfACharacter)
{
    std::string text = std::string(kHyo) + kSo + "\\tail";
    FCString s(text.c_str());
    FCString out;
    s.cutToken(out, "\\");
    EXPECT_EQ(std::string(out.text()), std::string(kHyo) + kSo);
    s.cutToken(out, "\\");
    EXPECT_STREQ(out.text(), "tail");
}

TEST(NextField, KeepsEmptyFieldsWhenAsked)
{
    FCString s("a,,b,");
    FCString out;
    EXPECT_EQ(s.nextField(out, ",", true), 1);
    EXPECT_STREQ(out.text(), "a");
    EXPECT_EQ(s.nextField(out, ",", true), 1);
    EXPECT_STREQ(out.text(), "");
    EXPECT_EQ(s.nextField(out, ",", true), 2);
    EXPECT_STREQ(out.text(), "b");
    out = "kept";
    EXPECT_EQ(s.nextField(out, ",", true), 0);
    EXPECT_STREQ(out.text(), "kept");
}

TEST(NextField, WithoutEmptyFieldsRunsOfDelimitersAreOne)
{
    FCString s(",,a,,b");
    FCString out;
    std::int32_t delim = -1;
    EXPECT_EQ(s.nextField(out, ",", false, &delim), 1);
    EXPECT_STREQ(out.text(), "a");
    EXPECT_EQ(delim, ',');
    EXPECT_EQ(s.nextField(out, ",", false, &delim), 1);
    EXPECT_STREQ(out.text(), "b");
    EXPECT_EQ(delim, 0);
    EXPECT_EQ(s.nextField(out, ",", false), 0);
}

TEST(NextField, LongFieldsAreCopiedWhole)
{
    std::string big(5000, 'x');
    FCString s((big + ";y").c_str());
    FCString out;
    EXPECT_EQ(s.nextField(out, ";", false), 1);
    EXPECT_EQ(out.length(), 5000);
    EXPECT_EQ(s.nextField(out, ";", false), 1);
    EXPECT_STREQ(out.text(), "y");
}

TEST(SplitFields, TheCallsOfTheDescriptionReader)
{
    FCString fields[4];
    FCString s("a, b, c,d");
    EXPECT_EQ(s.splitFields(fields, 3, ",", true, false, " \t"), 3);
    EXPECT_STREQ(fields[0].text(), "a");
    EXPECT_STREQ(fields[1].text(), "b");
    EXPECT_STREQ(fields[2].text(), "c,d");

    FCString line("u;;src\\a.dll;\tdst.dll;extra;more");
    EXPECT_EQ(line.splitFields(fields, 4, ";\t", false, false, nullptr), 4);
    EXPECT_STREQ(fields[0].text(), "u");
    EXPECT_STREQ(fields[1].text(), "src\\a.dll");
    EXPECT_STREQ(fields[2].text(), "dst.dll");
    EXPECT_STREQ(fields[3].text(), "extra");

    FCString version("1  2 3");
    fields[3] = "old";
    EXPECT_EQ(version.splitFields(fields, 4, " ", false, false, " "), 3);
    EXPECT_STREQ(fields[0].text(), "1");
    EXPECT_STREQ(fields[1].text(), "2");
    EXPECT_STREQ(fields[2].text(), "3");
    EXPECT_STREQ(fields[3].text(), "old");
}

TEST(SplitFields, ATrailingDelimiterYieldsOneEmptyFieldWhenEmptyFieldsAreKept)
{
    FCString fields[5];
    for (FCString& f : fields)
        f = "old";
    FCString s("a,,b,");
    int last = -1;
    EXPECT_EQ(s.splitFields(fields, 5, ",", 1, nullptr, &last, nullptr), 4);
    EXPECT_EQ(last, 1);
    EXPECT_STREQ(fields[0].text(), "a");
    EXPECT_STREQ(fields[1].text(), "");
    EXPECT_STREQ(fields[2].text(), "b");
    EXPECT_STREQ(fields[3].text(), "");
    EXPECT_STREQ(fields[4].text(), "old");

    FCString t("a,b,");
    EXPECT_EQ(t.splitFields(fields, 5, ",", 0, nullptr, &last, nullptr), 2);
    EXPECT_EQ(last, 0);
}

TEST(ReadLine, SkipsBlankLinesAndLeadingBlanksButKeepsTrailingOnes)
{
    EXPECT_EQ(lines("\r\n\r\n  x=1 \r\n\t\r\ny"), (std::vector<std::string>{"x=1 ", "y"}));
}

TEST(ReadLine, EveryKindOfLineEndReadsTheSame)
{
    std::vector<std::string> expected{"a", "b c", "d"};
    EXPECT_EQ(lines("a\nb c\nd"), expected);
    EXPECT_EQ(lines("a\rb c\rd\r"), expected);
    EXPECT_EQ(lines("a\r\nb c\r\nd\r\n"), expected);
    EXPECT_EQ(lines("\n\n  a\r\r\n\t b c\n\n\r d"), expected);
}

TEST(ReadLine, AtTheEndTheOutputKeepsItsText)
{
    FCString s("only\r\n   \r\n");
    FCString line;
    EXPECT_TRUE(s.readLine(line, true, false));
    EXPECT_FALSE(s.readLine(line, true, false));
    EXPECT_STREQ(line.text(), "only");
}

TEST(ReadLine, FullWidthBlanksOnlyWhenAsked)
{
    std::string text = std::string("\201@x\n");  // "　x"
    FCString a(text.c_str());
    FCString line;
    a.readLine(line, true, false);
    EXPECT_EQ(std::string(line.text()), text.substr(0, 3));
    FCString b(text.c_str());
    b.readLine(line, true, true);
    EXPECT_STREQ(line.text(), "x");
}

TEST(ReadLine, FlagsForEmptyLinesAndTheExtendedMode)
{
    FCString keep("a\n\n b");
    FCString line;
    std::vector<std::string> got;
    while (keep.readLine(line, 0x11))
        got.emplace_back(line.text());
    EXPECT_EQ(got, (std::vector<std::string>{"a", "", "b"}));

    FCString extended("\t x\n");
    extended.readLine(line, 0x8000 | 0x100);
    EXPECT_STREQ(line.text(), " x");
    extended.rewind();
    extended.readLine(line, 0x8000 | 0x100 | 0x200);
    EXPECT_STREQ(line.text(), "x");

    FCString raw("  a\r\nb");
    raw.readLine(line, 0);
    EXPECT_STREQ(line.text(), "  a");
}

TEST(ReadLine, DoubleByteTextWithLeadByteAtTheEnd)
{
    std::string text = std::string("T=") + kHyo + kSo + "\r\nV=1\r\n\201";
    std::vector<std::string> got = lines(text);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], std::string("T=") + kHyo + kSo);
    EXPECT_EQ(got[1], "V=1");
    EXPECT_EQ(got[2], "\201");
}

TEST(ReadLine, ALeadByteBeforeALineBreakDoesNotSwallowIt)
{
    // A lead byte directly before "\r" pairs with it, as the platform walks
    // the bytes; the line feed behind it still ends the line.
    std::string text = std::string("a\201\r\nb");
    std::vector<std::string> got = lines(text);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], "a\201\r");
    EXPECT_EQ(got[1], "b");
}

TEST(ReadLine, NulBytesAndBinaryDataDoNotHang)
{
    std::string text("a\0b\r\n\377\376\0", 9);
    std::vector<std::string> got = lines(text);
    EXPECT_LE(got.size(), 3u);
}

}  // namespace
