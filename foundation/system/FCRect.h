// FCRect: a rectangle of 32-bit edges, as a window or a monitor's work area
// gives it (right and bottom lie just outside).
//
// Moves never overflow: a move that would carry an edge out of the 32-bit
// range stops at the range's end, keeping the size.  The text form writes
// width and height modulo 2^32, so that any rectangle reads back exactly.
#pragma once

#include "foundation/text/FCString.h"

#include <cstdint>

class FCRect {
public:
    FCRect() = default;
    FCRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    virtual ~FCRect();

    // Appends left, top, width and height in decimal, separator between them.
    virtual void toText(FCString& out, const char* separator) const;
    // Reads left, top, width and height from the fields of text, from its
    // cursor on (the caller's cursor does not move).  separator is the set
    // of characters between fields; a run of them counts as one.  A missing
    // field keeps the value it has now, a field that is no number reads as 0.
    // Returns the number of fields read (4 when all were there).
    virtual int fromText(const FCString& text, const char* separator);

    // Swaps edges so that left <= right and top <= bottom.
    void normalize();
    void offset(std::int32_t dx, std::int32_t dy);
    // No edge of this rectangle lies outside other.
    bool liesInside(const FCRect& other) const;
    // Moves the rectangle into other: first back so that its right and
    // bottom edges do not pass other's, then forward so that its left and
    // top edges are not before other's.  True when it lies inside now; a
    // rectangle larger than other ends up aligned to other's left or top.
    bool fitInside(const FCRect& other);

    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};
