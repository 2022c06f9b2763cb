#include "foundation/text/MbText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// "表" and "ソ" end in 0x5C ("\\"); "；" ends in "G"; "＝" (0x81 0x81) has a
// trail byte that is also a lead byte.
const char kHyo[] = "\225\\";
const char kSo[] = "\203\\";
const char kSemicolonWide[] = "\201G";

TEST(MbText, LeadBytesAreThoseOfCodePage932)
{
    EXPECT_TRUE(mb::isLead(0x81));
    EXPECT_TRUE(mb::isLead(0x9F));
    EXPECT_TRUE(mb::isLead(0xE0));
    EXPECT_TRUE(mb::isLead(0xFC));
    EXPECT_FALSE(mb::isLead(0x80));
    EXPECT_FALSE(mb::isLead(0xA0));  // half-width katakana are single bytes
    EXPECT_FALSE(mb::isLead(0xDF));
    EXPECT_FALSE(mb::isLead(0xFD));
    EXPECT_FALSE(mb::isLead('\\'));
}

TEST(MbText, NextStepsOverWholeCharactersAndStopsAtTheEnd)
{
    const char text[] = "a\225\\b\262";  // a 表 b ｲ
    const char* p = text;
    p = mb::next(p);
    EXPECT_EQ(p, text + 1);
    p = mb::next(p);
    EXPECT_EQ(p, text + 3);
    p = mb::next(p);
    EXPECT_EQ(p, text + 4);
    p = mb::next(p);
    EXPECT_EQ(p, text + 5);
    EXPECT_EQ(mb::next(p), p);
}

TEST(MbText, ALeadByteAtTheVeryEndIsACharacterOfItsOwn)
{
    const char text[] = "a\225";
    EXPECT_EQ(mb::next(text + 1), text + 2);
    EXPECT_EQ(mb::codeAt(text + 1), 0x95u);
    EXPECT_EQ(mb::prev(text, text + 2), text + 1);
}

TEST(MbText, PrevFindsTheCharacterStartEvenBehindLeadLikeTrailBytes)
{
    // "＝A": the trail byte of "＝" is 0x81, a lead byte; "A" must still be
    // a character of its own.
    const char text[] = "\201\201A";
    EXPECT_EQ(mb::prev(text, text + 3), text + 2);
    EXPECT_EQ(mb::prev(text, text + 2), text);
    EXPECT_EQ(mb::prev(text, text), text);
    EXPECT_TRUE(mb::insideChar(text, text + 1));
    EXPECT_FALSE(mb::insideChar(text, text + 2));
}

TEST(MbText, CodesOfDoubleByteCharacters)
{
    EXPECT_EQ(mb::codeAt(kHyo), 0x955Cu);
    EXPECT_EQ(mb::codeAt(kSemicolonWide), 0x8147u);
    EXPECT_EQ(mb::codeAt("A"), 0x41u);
    EXPECT_EQ(mb::codeAt(""), 0u);
}

TEST(MbText, SearchesNeverMatchInsideADoubleByteCharacter)
{
    std::string text = std::string(kHyo) + kSo + "x\\y";
    const char* s = text.c_str();
    EXPECT_EQ(mb::findChar(s, '\\'), s + 5);
    EXPECT_EQ(mb::findAny(s, "\\y"), s + 5);
    EXPECT_EQ(mb::findSub(s, "\\"), s + 5);
    EXPECT_EQ(mb::findSub(s, kSo), s + 2);
    EXPECT_EQ(mb::findChar(s, 0x835Cu), s + 2);
    EXPECT_EQ(mb::findChar(s, 'G'), nullptr);

    std::string semis = std::string(kSemicolonWide) + ";";
    EXPECT_EQ(mb::findAny(semis.c_str(), "G;"), semis.c_str() + 2);
}

TEST(MbText, ASetMayHoldDoubleByteCharacters)
{
    std::string set = std::string(" ") + "\201@";  // blank and full-width blank
    std::string text = std::string("\201@ \201@x");
    EXPECT_EQ(mb::skipSpan(text.c_str(), set.c_str()), text.c_str() + 5);
    // The lead byte of the full-width blank alone is not in the set.
    EXPECT_FALSE(mb::inSet(set.c_str(), 0x81));
}

TEST(MbText, SubstringMatchesMustEndOnACharacterBoundary)
{
    // Looking for a lone lead byte must not match the first half of "表".
    EXPECT_EQ(mb::findSub(kHyo, "\225"), nullptr);
    const char tail[] = "ab\225";
    EXPECT_EQ(mb::findSub(tail, "\225"), tail + 2);
    EXPECT_EQ(mb::findSub(tail, ""), tail);
}

TEST(MbText, BoundedLengthDropsACharacterCutAtTheLimit)
{
    std::string text = std::string("a") + kHyo + "b";
    EXPECT_EQ(mb::boundedLength(text.c_str(), 2), 1u);
    EXPECT_EQ(mb::boundedLength(text.c_str(), 3), 3u);
    EXPECT_EQ(mb::boundedLength(text.c_str(), 100), 4u);
    EXPECT_EQ(mb::boundedLength(text.c_str(), 0), 0u);
}

TEST(MbText, CaseChangesSingleAndDoubleByteLetters)
{
    // "Ａ" 0x8260 and "ａ" 0x8281; "表" has no case.
    std::string upper = std::string("aZ\202\201") + kHyo;
    EXPECT_EQ(mb::changeCase(upper.c_str(), true), std::string("AZ\202`") + kHyo);
    EXPECT_EQ(mb::changeCase("\202`b", false), std::string("\202\201b"));
}

}  // namespace
