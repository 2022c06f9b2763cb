#include "foundation/text/FCString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kHyo[] = "\225\\";           // 表
const char kSemicolonWide[] = "\201G";  // ；

TEST(FCStringRep, CapacityIsWholeBlocksWithRoomForTheNul)
{
    struct Case {
        int length;
        int capacity;
    } cases[] = {{0, 256}, {254, 256}, {255, 512}, {510, 512}, {511, 768}};
    for (const Case& c : cases) {
        FCString s(std::string(static_cast<std::size_t>(c.length), 'x').c_str());
        EXPECT_EQ(s.capacity(), c.capacity) << "length " << c.length;
        EXPECT_EQ(s.length(), c.length);
    }
}

TEST(FCStringRep, SmallBlockSizesAreRaisedTo16)
{
    FCString s;
    s.create(10, "abc");
    EXPECT_EQ(s.blockSize(), 16);
    EXPECT_EQ(s.capacity(), 16);
    s.create(0, nullptr);
    EXPECT_EQ(s.blockSize(), 16);
    EXPECT_STREQ(s.text(), "");
}

TEST(FCString, CopiesShareUntilOneChanges)
{
    FCString a("shared");
    FCString b(a);
    EXPECT_TRUE(a.sharesTextWith(b));
    b.append(" more");
    EXPECT_STREQ(a.text(), "shared");
    EXPECT_STREQ(b.text(), "shared more");
    EXPECT_FALSE(a.sharesTextWith(b));

    FCString c;
    c = a;
    c.toUpper();
    c.clear();
    EXPECT_STREQ(a.text(), "shared");
    FCString d = a;
    d.replace("sh", "x");
    d.prepend(">");
    EXPECT_STREQ(a.text(), "shared");
    EXPECT_STREQ(d.text(), ">xared");
}

TEST(FCString, CopyTakesTheCursorAndKeepsItsOwn)
{
    FCString a("abc");
    a.next();
    FCString b(a);
    EXPECT_STREQ(b.rest(), "bc");
    b.next();
    EXPECT_STREQ(a.rest(), "bc");
    EXPECT_STREQ(b.rest(), "c");
}

TEST(FCString, AppendInPlaceKeepsTheCursorAndGrowingMovesItToTheStart)
{
    FCString s("ab");
    s.next();
    s.append("cd");
    EXPECT_STREQ(s.rest(), "bcd");
    s.append(std::string(300, 'z').c_str());
    EXPECT_EQ(s.rest(), s.text());
    EXPECT_EQ(s.length(), 304);
    EXPECT_EQ(s.capacity(), 512);
}

TEST(FCString, AppendOfItsOwnTextWorksInPlaceAndWhenGrowing)
{
    FCString s("abc");
    s.append(s.text());
    EXPECT_STREQ(s.text(), "abcabc");
    FCString big(std::string(200, 'q').c_str());
    big.append(big.text());
    EXPECT_EQ(big.length(), 400);
    s.create(256, s.text() + 3);
    EXPECT_STREQ(s.text(), "abc");
}

TEST(FCString, BoundedAppendNeverSplitsACharacter)
{
    FCString s("x");
    std::string text = std::string("a") + kHyo;
    s.append(text.c_str(), 2);
    EXPECT_STREQ(s.text(), "xa");
    s.append(text.c_str(), 3);
    EXPECT_EQ(std::string(s.text()), "xa" + text);
    s.append(nullptr);
    s.prepend(nullptr);
    EXPECT_EQ(std::string(s.text()), "xa" + text);
}

TEST(FCString, EqualsComparesText)
{
    FCString a("Tool");
    EXPECT_TRUE(a.equals("Tool"));
    EXPECT_FALSE(a.equals("tool"));
    EXPECT_TRUE(a.equals(FCString("Tool")));
    EXPECT_FALSE(a.equals(FCString("Tool ")));
    EXPECT_TRUE(FCString().equals(static_cast<const char*>(nullptr)));
}

TEST(FCString, ToIntReadsHexBinaryAndDecimal)
{
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"0x1F", 31},   {"0X1F", 0},     {"0b101", 5},     {"0b2", 0},      {"077", 77},
        {"-12abc", -12}, {"", 0},         {"  +42", 42},    {"0x", 0},       {"0xg", 0},
        {"0", 0},       {"12.5", 12},    {"0xFFFFFFFF", -1}, {"0x100000001", 1},
        {"99999999999", 2147483647},     {"-99999999999", -2147483647 - 1},
        {"abc", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FCString(c.text).toInt(), c.value) << c.text;
}

TEST(FCString, ToUnsignedReadsLikeAThirtyTwoBitStrtoul)
{
    struct Case {
        const char* text;
        unsigned value;
    } cases[] = {
        {"0xff", 255u}, {"0b101", 5u}, {"42", 42u}, {"-1", 4294967295u},
        {"4294967296", 4294967295u}, {"4294967295", 4294967295u}, {"", 0u}, {"256", 256u},
        {"0b", 0u}, {"x", 0u},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FCString(c.text).toUnsigned(), c.value) << c.text;
}

TEST(FCString, NumbersFromTheCursorLeaveItInPlace)
{
    FCString s("v=0x10;");
    s.findChar('0');
    const char* before = s.rest();
    EXPECT_EQ(s.toInt(true), 16);
    EXPECT_EQ(s.toUnsigned(true), 16u);
    EXPECT_EQ(s.toInt(false), 0);
    EXPECT_EQ(s.rest(), before);
}

TEST(FCString, AppendIntPadsOrKeepsTheLastDigits)
{
    struct Case {
        int value;
        int base;
        int width;
        char pad;
        const char* expected;
    } cases[] = {
        {-5, 10, 4, '0', "00-5"}, {12345, 10, 3, ' ', "345"}, {255, 16, 0, ' ', "ff"},
        {7, 10, 1, ' ', "7"},     {-1, 16, 0, ' ', "ffffffff"}, {5, 2, 0, ' ', "101"},
        {-2147483647 - 1, 10, 0, ' ', "-2147483648"}, {0, 10, 0, ' ', "0"},
    };
    for (const Case& c : cases) {
        FCString s(">");
        s.appendInt(c.value, c.base, c.width, c.pad);
        EXPECT_EQ(std::string(s.text()), std::string(">") + c.expected) << c.value;
    }
    FCString u;
    u.appendUnsigned(4294967295u, 10, 0, ' ');
    EXPECT_STREQ(u.text(), "4294967295");
    u.setInt(-3);
    EXPECT_STREQ(u.text(), "-3");
}

TEST(FCString, ReplaceCountsOccurrencesWithoutOverlap)
{
    FCString s("%1 and %1");
    EXPECT_EQ(s.replace("%1", "Tool"), 2);
    EXPECT_STREQ(s.text(), "Tool and Tool");
    FCString a("aaaa");
    EXPECT_EQ(a.replace("aa", "b"), 2);
    EXPECT_STREQ(a.text(), "bb");
    FCString none("abc");
    EXPECT_EQ(none.replace("", "x"), 0);
    EXPECT_EQ(none.replace("z", "x"), 0);
    EXPECT_EQ(none.replace("b", ""), 1);
    EXPECT_STREQ(none.text(), "ac");
}

TEST(FCString, ReplaceNeverMatchesTheTrailByteOfACharacter)
{
    std::string text = std::string("C:") + kHyo + "\\x";
    FCString s(text.c_str());
    EXPECT_EQ(s.replace("\\", "/"), 1);
    EXPECT_EQ(std::string(s.text()), std::string("C:") + kHyo + "/x");
}

TEST(FCString, HtmlEscapingRoundTrips)
{
    FCString s("a<b & \"c\"");
    s.convert(-2);
    EXPECT_STREQ(s.text(), "a&lt;b &amp; &quot;c&quot;");
    s.convert(-3);
    EXPECT_STREQ(s.text(), "a<b & \"c\"");
}

TEST(FCString, LocaleMappingChangesCase)
{
    FCString s("abc\202\201");  // abcａ
    s.convert(0x200);           // LCMAP_UPPERCASE
    EXPECT_STREQ(s.text(), "ABC\202`");
    s.toLower();
    EXPECT_STREQ(s.text(), "abc\202\201");
}

TEST(FCString, CurrentCharReadsDoubleByteCodes)
{
    std::string text = std::string("x") + kSemicolonWide;
    FCString s(text.c_str());
    s.next();
    EXPECT_EQ(s.currentChar(), 0x8147);
    s.setCursor(s.text() + 2);  // the second byte of "；"
    EXPECT_EQ(s.currentChar(), 0x8147);

    FCString first(kSemicolonWide);
    EXPECT_EQ(first.currentChar(), static_cast<signed char>('\201'));
    EXPECT_LT(first.currentChar(), 0);
    first.move(0, 2);
    EXPECT_EQ(first.currentChar(), 0);
}

TEST(FCString, CurrentCharIsNotFooledByALeadLikeTrailByte)
{
    FCString s("\201\201A");  // ＝A
    s.next();
    EXPECT_EQ(s.currentChar(), 'A');
}

TEST(FCString, NextAndPrevReportTheEnds)
{
    std::string text = std::string("a") + kHyo;
    FCString s(text.c_str());
    EXPECT_TRUE(s.next());
    EXPECT_FALSE(s.next());
    EXPECT_FALSE(s.next());
    EXPECT_TRUE(s.prev());
    EXPECT_FALSE(s.prev());
    EXPECT_FALSE(s.prev());
    EXPECT_EQ(s.rest(), s.text());
}

TEST(FCString, MoveFromEachOrigin)
{
    std::string text = std::string("ab") + kHyo + "c";
    FCString s(text.c_str());
    EXPECT_EQ(s.move(2, 0), 0x955Cu);
    EXPECT_EQ(s.move(0, 1), 0x955Cu);
    EXPECT_EQ(s.move(1, 1), static_cast<unsigned>('c'));
    EXPECT_EQ(s.move(-2, 1), static_cast<unsigned>('b'));
    EXPECT_EQ(s.move(-1, 2), static_cast<unsigned>('c'));
    EXPECT_EQ(s.move(-2, 2), 0x955Cu);
    EXPECT_EQ(s.move(-1, 0), 0u);
    EXPECT_EQ(s.move(1, 2), 0u);
    // Stepping onto the end, or past the start, fails even on the last step.
    EXPECT_EQ(s.move(4, 0), 0u);
    EXPECT_EQ(s.move(-4, 2), 0u);
    EXPECT_EQ(s.move(100, 0), 0u);
}

TEST(FCString, SearchesMoveTheCursorOrGoToTheEnd)
{
    std::string text = std::string("k=") + kHyo + "\\v;w;";
    FCString s(text.c_str());
    EXPECT_EQ(s.findChar('\\'), s.text() + 4);
    EXPECT_EQ(s.findAny(";"), s.text() + 6);
    s.rewind();
    EXPECT_EQ(s.findLastOf(";"), s.text() + 8);
    EXPECT_EQ(s.findChar('q'), nullptr);
    EXPECT_EQ(*s.rest(), '\0');
    s.rewind();
    EXPECT_EQ(s.find("w;"), s.text() + 7);
    EXPECT_EQ(s.find("zz"), nullptr);
    EXPECT_EQ(*s.rest(), '\0');
}

TEST(FCString, FindWithDelimitersMatchesWholeTokens)
{
    FCString s("abc ab;ab abd");
    EXPECT_EQ(s.find("ab", " ;"), s.text() + 4);
    s.rewind();
    EXPECT_EQ(s.find("a", " ;"), nullptr);
}

TEST(FCString, SkipSetForwardAndBackward)
{
    FCString s("  \t x  ");
    EXPECT_EQ(s.skipSet(" \t"), s.text() + 4);
    s.next();
    EXPECT_EQ(s.skipSet(" \t"), nullptr);
    EXPECT_EQ(*s.rest(), '\0');
    // From the end backwards: the NUL and the trailing blanks are skipped.
    EXPECT_EQ(s.skipSet(" \t", true), s.text() + 4);
    FCString blanks("   ");
    blanks.move(0, 2);
    EXPECT_EQ(blanks.skipSet(" ", true), nullptr);
    EXPECT_EQ(blanks.rest(), blanks.text());
    FCString limited("ab   ");
    limited.move(0, 2);
    EXPECT_EQ(limited.skipSet(" ", true, limited.text() + 3), nullptr);
}

TEST(FCString, BackwardSkipStepsOverWholeCharacters)
{
    std::string text = std::string(kHyo) + "\\\\";
    FCString s(text.c_str());
    s.move(0, 2);
    EXPECT_EQ(s.skipSet("\\", true), s.text());
}

TEST(FCString, StartsWithDigit)
{
    EXPECT_TRUE(FCString("1a").startsWithDigit());
    EXPECT_FALSE(FCString("a1").startsWithDigit());
    EXPECT_FALSE(FCString("").startsWithDigit());
}

TEST(FCString, CopyRangeCopiesBothEndsInclusive)
{
    FCString s("hello world");
    FCString out("old");
    EXPECT_TRUE(s.copyRange(out, s.text() + 6, s.text() + 8));
    EXPECT_STREQ(out.text(), "wor");
    EXPECT_TRUE(s.copyRange(out, s.text() + 8, s.text() + 6));
    EXPECT_STREQ(out.text(), "wor");
    EXPECT_TRUE(s.copyRange(out, s.text() + 6, nullptr));
    EXPECT_STREQ(out.text(), "world");
    EXPECT_TRUE(s.copyRange(out, nullptr, s.text() + 4));
    EXPECT_STREQ(out.text(), "hello");
    EXPECT_TRUE(s.copyRange(s, s.text() + 6, nullptr));
    EXPECT_STREQ(s.text(), "world");
}

TEST(FCString, DiagnosticKeepsItsTexts)
{
    Diagnostic d("FCString - create()", "m");
    d.appendMessage("ore");
    d.appendMessage(nullptr);
    d.appendMessage("");
    d.setCaption(nullptr);
    EXPECT_STREQ(d.caption(), "FCString - create()");
    EXPECT_STREQ(d.message(), "more");
    Diagnostic copy(d);
    d.setMessage("changed");
    EXPECT_STREQ(copy.message(), "more");
    copy = d;
    EXPECT_STREQ(copy.message(), "changed");
}

TEST(FCString, OutOfMemoryIsReportedWithTheOperationsCaption)
{
    try {
        throwNotEnoughMemory("FCString - append");
        FAIL();
    } catch (const NotEnoughMemoryException& e) {
        EXPECT_STREQ(e.caption(), "FCString - append");
        // メモリが足りません！
        EXPECT_STREQ(e.message(),
                     "\203\201\203\202\203\212\202\252\221\253\202\350\202\334\202\271\202\361\201I");
    }
}

}  // namespace

namespace {

TEST(FCString, ATextTooLongForThirtyTwoBitsIsOutOfMemoryAndKeepsTheOldText)
{
    FCString s("kept");
    static const char byte = 'x';
    try {
        // The size is refused before any byte is read.
        s.assign(&byte, 0x7FFFFFF0u);
        FAIL();
    } catch (const NotEnoughMemoryException& e) {
        EXPECT_STREQ(e.caption(), "FCString - create()");
    }
    EXPECT_STREQ(s.text(), "kept");
}

}  // namespace
