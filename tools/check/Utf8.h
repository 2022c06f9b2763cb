// The checker's texts are code page 932 bytes, as the description files
// are; its JSON output, and its text output on a system whose terminals
// take UTF-8, need them as UTF-8.
#pragma once

#include <string>

// Bytes that are not code page 932 become U+FFFD.
std::string utf8FromCp932(const std::string& bytes);

// The name as code page 932 bytes, into cp932: false when a character of
// it has no code page 932 form (no nearest-look-alike is taken).
bool cp932FromUtf8(const std::string& utf8, std::string& cp932);
