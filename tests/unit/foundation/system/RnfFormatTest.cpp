#include "foundation/system/RnfFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs itemsOf(const std::string& text)
{
    FCString source;
    source.assign(text.data(), text.size());
    RnfItems items;
    parseRnfText(source, items);
    Pairs out;
    for (const auto& item : items)
        out.emplace_back(item.first.text(), item.second.text());
    return out;
}

TEST(RnfFormat, LinesNamesAndValues)
{
    struct Case {
        const char* text;
        Pairs items;
    } cases[] = {
        {"  ; note\n\t\n", {}},
        {" Ver = 12 \tx\n", {{"Ver", "12 "}}},
        {"\201@Ver=1\r\nName\r\n", {{"Name", ""}, {"Ver", "1"}}},
        {"a=first\na=second\n", {{"a", "first"}}},
        {"=nameless\nk==\t=v\n", {{"", "nameless"}, {"k", "v"}}},
        {"path=C:\\a b\\c;d\n", {{"path", "C:\\a b\\c;d"}}},
        {"rnftype=1,0x10\nx=y", {{"rnftype", "1,0x10"}, {"x", "y"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(itemsOf(c.text), c.items) << c.text;
}

TEST(RnfFormat, NamesAreCaseSensitiveAndWrittenInOrder)
{
    RnfItems items;
    items.emplace(FCString("b"), FCString("2"));
    items.emplace(FCString("a"), FCString("1"));
    EXPECT_STREQ(formatRnfText(items).text(), "a=1\nb=2\n");
    EXPECT_EQ(itemsOf("Ver=1\nver=2\n").size(), 2u);
    EXPECT_STREQ(formatRnfText(RnfItems()).text(), "");
}

TEST(RnfFormat, FormattedTextReadsBackTheSameItems)
{
    std::string text = "z=last\n \xe0\x40=kanji\n  a = spaced value \n=nameless\n";
    FCString source(text.c_str());
    RnfItems items;
    ASSERT_TRUE(parseRnfText(source, items));
    EXPECT_EQ(items.count(FCString("")), 1u);
    RnfItems again;
    parseRnfText(formatRnfText(items), again);
    EXPECT_EQ(formatRnfText(again).text(), std::string(formatRnfText(items).text()));
    EXPECT_FALSE(parseRnfText(FCString(""), again));
}

TEST(RnfFormat, TypeLine)
{
    struct Case {
        const char* line;
        bool isType;
        int mode;
        unsigned key;
    } cases[] = {
        {"rnftype=1,0x10", true, 1, 16},
        {"RnfType = 1 , 0b101", true, 1, 5},
        {"rnftype=0,99", true, 0, 99},
        {"rnftype=1", true, 1, 0},
        {"rnftypes=1,2", false, 0, 0},
        {"ver=1,2", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        std::int32_t mode = 0;
        std::uint32_t key = 0;
        EXPECT_EQ(readRnfType(FCString(c.line), mode, key), c.isType) << c.line;
        if (c.isType) {
            EXPECT_EQ(mode, c.mode) << c.line;
            EXPECT_EQ(key, c.key) << c.line;
        }
    }
}

}  // namespace
