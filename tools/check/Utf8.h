// The checker's texts are code page 932 bytes, as the description files
// are; its JSON output, and its text output on a system whose terminals
// take UTF-8, need them as UTF-8.
#pragma once

#include <string>

// Bytes that are not code page 932 become U+FFFD.
std::string utf8FromCp932(const std::string& bytes);
