#include "engine/FreeName.h"

#include "tests/support/CommandFolders.h"

#include <gtest/gtest.h>

namespace {

TEST(FreeName, TakesTheFirstNumberNotInUse)
{
    CommandFolders folders("bw-free-name");
    FCString pattern((folders.install() + "bak\\a%1.%1").c_str());
    FCString out;
    ASSERT_TRUE(freeName(pattern, out));
    EXPECT_EQ(std::string(out.text()), folders.install() + "bak\\a00000000.00000000");

    for (int n = 0; n < 10; ++n) {
        std::string digit(1, static_cast<char>('0' + n));
        putFile(folders.install() + "bak\\a0000000" + digit + ".0000000" + digit, "");
    }
    ASSERT_TRUE(freeName(pattern, out));
    EXPECT_EQ(std::string(out.text()), folders.install() + "bak\\a0000000a.0000000a");
}

TEST(FreeName, APatternWithoutANumberIsTriedOnce)
{
    CommandFolders folders("bw-free-plain");
    FCString pattern((folders.install() + "a.bak").c_str());
    FCString out("unchanged");
    ASSERT_TRUE(freeName(pattern, out));
    EXPECT_STREQ(out.text(), pattern.text());

    putFile(folders.install() + "a.bak", "older backup");
    out = "unchanged";
    EXPECT_FALSE(freeName(pattern, out));
    EXPECT_STREQ(out.text(), "unchanged");
    // The backup then replaces the older one under the same name.
    EXPECT_STREQ(backupNameFor(pattern).text(), pattern.text());
}

}  // namespace
