// The checker keeps texts as std::string (code page 932 bytes) in its
// reports; the program's readers work on FCString.
#pragma once

#include "foundation/text/FCString.h"

#include <string>

inline std::string bytesOf(const FCString& text)
{
    return std::string(text.text(), static_cast<std::size_t>(text.length()));
}

inline FCString textOf(const std::string& bytes)
{
    FCString text;
    text.assign(bytes.data(), bytes.size());
    return text;
}
