#include "Scramble.h"

#include "foundation/system/UxStaticRandom.h"

#include <cstring>

namespace scramble {

namespace {

const int kCounts = 256;

// The key's rotation counts: the generator's next outputs modulo 8.
void rotationCounts(std::uint32_t key, unsigned (&counts)[kCounts])
{
    UxStaticRandom random;
    random.seed(key);
    for (unsigned& c : counts)
        c = static_cast<unsigned>(random.random(8));
}

unsigned char rotateLeft(unsigned char b, unsigned n)
{
    return static_cast<unsigned char>(((b << n) | (b >> ((8 - n) % 8))) & 0xFF);
}

void rotate(char* bytes, std::size_t count, std::uint32_t key, std::int32_t skipLines, bool left)
{
    std::size_t start = regionStart(bytes, count, skipLines);
    if (start == count)
        return;
    unsigned counts[kCounts];
    rotationCounts(key, counts);
    char* region = bytes + start;
    for (std::size_t i = 0; i < count - start; ++i) {
        unsigned n = counts[i % kCounts];
        auto b = static_cast<unsigned char>(region[i]);
        region[i] = static_cast<char>(rotateLeft(b, left ? n : (8 - n) % 8));
    }
}

}  // namespace

std::size_t regionStart(const char* bytes, std::size_t count, std::int32_t skipLines)
{
    std::size_t start = 0;
    for (std::int32_t line = 0; line < skipLines; ++line) {
        if (start == count)
            return count;
        // Line feeds are searched as bytes: 0x0A is never part of a
        // double-byte character, and the text may hold NUL bytes.
        const void* feed = std::memchr(bytes + start, '\n', count - start);
        if (feed == nullptr)
            return count;
        start = static_cast<std::size_t>(static_cast<const char*>(feed) - bytes) + 1;
    }
    return start;
}

void encode(char* bytes, std::size_t count, std::uint32_t key, std::int32_t skipLines)
{
    rotate(bytes, count, key, skipLines, true);
}

void decode(char* bytes, std::size_t count, std::uint32_t key, std::int32_t skipLines)
{
    rotate(bytes, count, key, skipLines, false);
}

}  // namespace scramble
