// FCIdString: a text with a 32-bit id, kept in owning FCXLists and found
// there by its id alone.
#pragma once

#include "FCString.h"
#include "FCXList.h"

#include <cstdint>

class FCIdString {
public:
    FCIdString() = default;
    FCIdString(std::int32_t id, const FCString& text) : text(text), id(id) {}

    FCString text;
    std::int32_t id = 0;
};

template <>
struct FCXListMatch<FCIdString> {
    static bool matches(const FCIdString& element, const FCIdString& key) { return element.id == key.id; }
};
