#include "foundation/files/Scramble.h"
#include "foundation/system/UxStaticRandom.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(Scramble, TheRegionStartsBehindTheSkippedLines)
{
    struct Case {
        std::string text;
        std::int32_t skipLines;
        std::size_t start;
    } cases[] = {
        {"", 0, 0},
        {"", 1, 0},
        {"abc", 0, 0},
        {"abc", -3, 0},
        {"abc", 1, 3},              // no line feed: no region
        {"a\r\nbc", 1, 3},
        {"a\nb\n", 2, 4},           // ends right after the line feed: no region
        {"a\nb\n", 3, 4},
        {"a\n\nb", 2, 3},
        {std::string("\0x\n\0y", 5), 1, 3},  // NUL bytes are bytes like any other
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.skipLines));
        EXPECT_EQ(scramble::regionStart(c.text.data(), c.text.size(), c.skipLines), c.start);
    }
}

// The format: byte i of the region turns left by count i mod 256, the counts
// being the key's generator outputs modulo 8.  A byte 0x01 shows its count
// as the bit it moved to.
TEST(Scramble, BytesTurnLeftByTheKeysCountsAndTurnBack)
{
    for (std::uint32_t key : {0u, 1u, 4357u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(key);
        UxStaticRandom random;
        random.seed(key);
        unsigned counts[256];
        for (unsigned& c : counts)
            c = random.next() % 8;

        std::string head = "key line\r\n";
        std::string bytes = head + std::string(600, '\x01');
        scramble::encode(&bytes[0], bytes.size(), key, 1);
        EXPECT_EQ(bytes.substr(0, head.size()), head);
        for (std::size_t i = 0; i < 600; ++i) {
            auto b = static_cast<unsigned char>(bytes[head.size() + i]);
            ASSERT_EQ(b, 1u << counts[i % 256]) << "byte " << i;
        }
        scramble::decode(&bytes[0], bytes.size(), key, 1);
        EXPECT_EQ(bytes, head + std::string(600, '\x01'));
    }
}

TEST(Scramble, EveryByteValueComesBack)
{
    std::string all;
    for (int i = 0; i < 256 * 3; ++i)
        all += static_cast<char>(i);
    std::string bytes = all;
    scramble::encode(&bytes[0], bytes.size(), 77, 0);
    EXPECT_NE(bytes, all);
    scramble::decode(&bytes[0], bytes.size(), 77, 0);
    EXPECT_EQ(bytes, all);
}

}  // namespace
