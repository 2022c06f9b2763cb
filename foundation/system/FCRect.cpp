#include "FCRect.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// The difference of two edges modulo 2^32, as a signed 32-bit number.
std::int32_t wrappedDifference(std::int32_t to, std::int32_t from)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(to) - static_cast<std::uint32_t>(from));
}

std::int32_t wrappedSum(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// Moves the edges a and b by delta, or as far as the 32-bit range lets both
// of them go.
void shiftPair(std::int32_t& a, std::int32_t& b, std::int64_t delta)
{
    const std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    const std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    delta = std::max(delta, lowest - std::min(a, b));
    delta = std::min(delta, highest - std::max(a, b));
    a = static_cast<std::int32_t>(a + delta);
    b = static_cast<std::int32_t>(b + delta);
}

}  // namespace

FCRect::FCRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b)
    : left(l), top(t), right(r), bottom(b)
{
}

FCRect::~FCRect() = default;

void FCRect::toText(FCString& out, const char* separator) const
{
    if (separator == nullptr)
        separator = "";
    out.appendInt(left);
    out.append(separator);
    out.appendInt(top);
    out.append(separator);
    out.appendInt(wrappedDifference(right, left));
    out.append(separator);
    out.appendInt(wrappedDifference(bottom, top));
}

int FCRect::fromText(const FCString& text, const char* separator)
{
    if (separator == nullptr)
        separator = "";
    FCString fields[4];
    FCString source(text);
    int count = source.splitFields(fields, 4, separator, false, false, nullptr);
    std::int32_t values[4] = {left, top, wrappedDifference(right, left),
                              wrappedDifference(bottom, top)};
    for (int i = 0; i < count; ++i)
        values[i] = fields[i].toInt();
    left = values[0];
    top = values[1];
    right = wrappedSum(left, values[2]);
    bottom = wrappedSum(top, values[3]);
    return count;
}

void FCRect::normalize()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

void FCRect::offset(std::int32_t dx, std::int32_t dy)
{
    shiftPair(left, right, dx);
    shiftPair(top, bottom, dy);
}

bool FCRect::liesInside(const FCRect& other) const
{
    return left >= other.left && top >= other.top && right <= other.right &&
           bottom <= other.bottom;
}

bool FCRect::fitInside(const FCRect& other)
{
    if (liesInside(other))
        return true;
    if (right > other.right)
        shiftPair(left, right, std::int64_t{other.right} - right);
    if (bottom > other.bottom)
        shiftPair(top, bottom, std::int64_t{other.bottom} - bottom);
    if (left < other.left)
        shiftPair(left, right, std::int64_t{other.left} - left);
    if (top < other.top)
        shiftPair(top, bottom, std::int64_t{other.top} - top);
    return liesInside(other);
}
