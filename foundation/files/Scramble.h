// The scrambling of text files: everything after the first lines of a text
// is rotated byte by byte, by counts drawn from UxStaticRandom seeded with a
// 32-bit key.  The settings file keeps its key on its first line, which
// therefore stays readable.
//
// Pure byte work with no platform in it, so that every build (and a fuzz
// target) shares it.  The sequence of counts for a key is part of the file
// format: a file scrambled by one build must unscramble on every other.
#pragma once

#include <cstddef>
#include <cstdint>

namespace scramble {

// The offset of the region that gets scrambled: behind the skipLines-th line
// feed.  count when the text has fewer line feeds, and 0 for skipLines 0 (or
// less): the whole text.
std::size_t regionStart(const char* bytes, std::size_t count, std::int32_t skipLines);

// Byte i of the region rotated left (encode) or right (decode) by count
// i mod 256 of the key's 256 rotation counts.
void encode(char* bytes, std::size_t count, std::uint32_t key, std::int32_t skipLines);
void decode(char* bytes, std::size_t count, std::uint32_t key, std::int32_t skipLines);

}  // namespace scramble
