#include "foundation/system/FCRect.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

const std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// The four edges as one comparable, printable value.
std::string edges(const FCRect& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

TEST(FCRect, ToTextWritesLeftTopWidthHeight)
{
    struct Case {
        FCRect rect;
        const char* separator;
        const char* text;
    } cases[] = {
        {FCRect(10, 20, 110, 70), ",", "10,20,100,50"},
        {FCRect(-5, -7, 5, 0), ", ", "-5, -7, 10, 7"},
        {FCRect(30, 40, 10, 15), " ", "30 40 -20 -25"},
        {FCRect(0, 0, 0, 0), nullptr, "0000"},
    };
    for (const Case& c : cases) {
        FCString out("rect=");
        c.rect.toText(out, c.separator);
        EXPECT_STREQ(out.text(), (std::string("rect=") + c.text).c_str());
    }
}

TEST(FCRect, FromTextReadsWidthAndHeight)
{
    struct Case {
        const char* text;
        const char* separator;
        int fields;
        FCRect expected;
    } cases[] = {
        {"10,20,100,50", ",", 4, FCRect(10, 20, 110, 70)},
        {"-5, -7, 10, 7", ", ", 4, FCRect(-5, -7, 5, 0)},
        {";;1;2;3;4;", ";", 4, FCRect(1, 2, 4, 6)},
        {"0x10,0b11,5,5", ",", 4, FCRect(16, 3, 21, 8)},
        {"a,b,3,4", ",", 4, FCRect(0, 0, 3, 4)},
        {"1,2,3,4,5,6", ",", 4, FCRect(1, 2, 4, 6)},
    };
    for (const Case& c : cases) {
        FCRect rect(99, 99, 99, 99);
        EXPECT_EQ(rect.fromText(FCString(c.text), c.separator), c.fields) << c.text;
        EXPECT_EQ(edges(rect), edges(c.expected)) << c.text;
    }
}

TEST(FCRect, FromTextKeepsWhatMissingFieldsWouldSet)
{
    // Left 1, top 2, width 10, height 20 before; only left and top given.
    FCRect rect(1, 2, 11, 22);
    EXPECT_EQ(rect.fromText(FCString("5,6"), ","), 2);
    EXPECT_EQ(edges(rect), edges(FCRect(5, 6, 15, 26)));
    EXPECT_EQ(rect.fromText(FCString(""), ","), 0);
    EXPECT_EQ(edges(rect), edges(FCRect(5, 6, 15, 26)));
}

TEST(FCRect, FromTextReadsFromTheCursorAndLeavesItThere)
{
    FCString text("pos=3,4,5,6");
    text.findChar('=');
    text.next();
    FCRect rect;
    EXPECT_EQ(rect.fromText(text, ","), 4);
    EXPECT_EQ(edges(rect), edges(FCRect(3, 4, 8, 10)));
    EXPECT_STREQ(text.rest(), "3,4,5,6");
}

TEST(FCRect, TextRoundTripsEvenAtTheEdgesOfTheRange)
{
    const FCRect rects[] = {
        FCRect(kMin, kMin, kMax, kMax),
        FCRect(kMax, kMax, kMin, kMin),
        FCRect(-1, 0, kMax, 1),
        FCRect(100, 200, 50, 25),
    };
    for (const FCRect& original : rects) {
        FCString text;
        original.toText(text, ",");
        FCRect copy;
        EXPECT_EQ(copy.fromText(text, ","), 4) << text.text();
        EXPECT_EQ(edges(copy), edges(original)) << text.text();
    }
}

TEST(FCRect, NormalizeOrdersTheEdges)
{
    struct Case {
        FCRect rect;
        FCRect expected;
    } cases[] = {
        {FCRect(10, 20, 0, 5), FCRect(0, 5, 10, 20)},
        {FCRect(0, 20, 10, 5), FCRect(0, 5, 10, 20)},
        {FCRect(1, 2, 3, 4), FCRect(1, 2, 3, 4)},
        {FCRect(kMax, 0, kMin, 0), FCRect(kMin, 0, kMax, 0)},
    };
    for (Case& c : cases) {
        c.rect.normalize();
        EXPECT_EQ(edges(c.rect), edges(c.expected));
    }
}

TEST(FCRect, OffsetMovesAndStopsAtTheRangeKeepingTheSize)
{
    struct Case {
        FCRect rect;
        std::int32_t dx, dy;
        FCRect expected;
    } cases[] = {
        {FCRect(0, 0, 10, 20), 5, -5, FCRect(5, -5, 15, 15)},
        {FCRect(kMax - 20, 0, kMax - 10, 10), 100, 0, FCRect(kMax - 10, 0, kMax, 10)},
        {FCRect(0, kMin + 5, 10, kMin + 15), 0, kMin, FCRect(0, kMin, 10, kMin + 10)},
        {FCRect(kMin, 0, kMax, 1), 1, 0, FCRect(kMin, 0, kMax, 1)},
        {FCRect(20, 0, 10, 0), kMax, 0, FCRect(kMax, 0, kMax - 10, 0)},
    };
    for (Case& c : cases) {
        c.rect.offset(c.dx, c.dy);
        EXPECT_EQ(edges(c.rect), edges(c.expected));
    }
}

TEST(FCRect, FitInsideMovesIntoTheWorkArea)
{
    const FCRect work(0, 0, 1024, 768);
    struct Case {
        FCRect rect;
        bool inside;
        FCRect expected;
    } cases[] = {
        // Already inside, edges touching included: unchanged.
        {FCRect(0, 0, 1024, 768), true, FCRect(0, 0, 1024, 768)},
        {FCRect(10, 10, 200, 100), true, FCRect(10, 10, 200, 100)},
        // Past the right and bottom: moved back.
        {FCRect(900, 700, 1100, 800), true, FCRect(824, 668, 1024, 768)},
        // Before the left and top: moved forward.
        {FCRect(-50, -30, 150, 70), true, FCRect(0, 0, 200, 100)},
        // Wider and taller than the area: aligned to its left and top.
        {FCRect(500, 400, 1700, 1400), false, FCRect(0, 0, 1200, 1000)},
        // Far out at the end of the range.
        {FCRect(kMax - 100, kMin, kMax, kMin + 100), true, FCRect(924, 0, 1024, 100)},
        // As large as the range: there is nowhere to move it.
        {FCRect(kMin, kMin, kMax, kMax), false, FCRect(kMin, kMin, kMax, kMax)},
    };
    for (Case& c : cases) {
        EXPECT_EQ(c.rect.fitInside(work), c.inside) << edges(c.expected);
        EXPECT_EQ(edges(c.rect), edges(c.expected));
    }
}

TEST(FCRect, FitInsideAnAreaAwayFromTheOrigin)
{
    // A second monitor left of the first.
    const FCRect work(-1280, 40, 0, 1024);
    FCRect rect(-100, 0, 300, 200);
    EXPECT_TRUE(rect.fitInside(work));
    EXPECT_EQ(edges(rect), edges(FCRect(-400, 40, 0, 240)));
}

}  // namespace
