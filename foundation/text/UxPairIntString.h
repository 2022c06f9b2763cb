// UxPairIntString: a text with a 32-bit value (the archive builder pairs a
// file's full path with its size).  FCNList searches compare the text.
#pragma once

#include "FCNList.h"
#include "FCString.h"

#include <cstdint>

class UxPairIntString {
public:
    UxPairIntString();
    UxPairIntString(std::int32_t value, const FCString& text);
    UxPairIntString(const UxPairIntString& other);
    UxPairIntString& operator=(const UxPairIntString& other);
    virtual ~UxPairIntString();

    FCString text;
    std::int32_t value;
};

template <>
struct FCNListText<UxPairIntString> {
    static const FCString& of(const UxPairIntString& element) { return element.text; }
};
