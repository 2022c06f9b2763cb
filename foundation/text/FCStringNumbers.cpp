// Number conversions of FCString.
//
// The conversions are written out here instead of calling atoi/strtoul: the
// C runtimes differ in the width of long and leave overflow undefined, and
// the program must read the same number on every build.
#include "FCString.h"

#include <cstring>
#include <string>

namespace {

const unsigned char kNoDigit = 255;

struct DigitTable {
    unsigned char value[256];
    DigitTable()
    {
        std::memset(value, kNoDigit, sizeof value);
        for (int c = '0'; c <= '9'; ++c)
            value[c] = static_cast<unsigned char>(c - '0');
        for (int c = 'a'; c <= 'z'; ++c)
            value[c] = static_cast<unsigned char>(c - 'a' + 10);
        for (int c = 'A'; c <= 'Z'; ++c)
            value[c] = static_cast<unsigned char>(c - 'A' + 10);
    }
};

unsigned digitValue(char c)
{
    static const DigitTable table;
    return table.value[static_cast<unsigned char>(c)];
}

bool isHexDigit(char c)
{
    return digitValue(c) < 16;
}

// The base that a "0x" or "0b" prefix at p selects: 16 or 2, or 10 when
// there is no such prefix (or fewer than three bytes remain).
int prefixBase(const char* p)
{
    if (p[0] != '0' || p[1] == '\0' || p[2] == '\0')
        return 10;
    if (p[1] == 'x' && isHexDigit(p[2]))
        return 16;
    if (p[1] == 'b' && (p[2] == '0' || p[2] == '1'))
        return 2;
    return 10;
}

// Digits in base from p, wrapping silently past 32 bits.
std::uint32_t accumulate(const char* p, unsigned base)
{
    std::uint32_t value = 0;
    for (; digitValue(*p) < base; ++p)
        value = value * base + digitValue(*p);
    return value;
}

bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Optional blanks and sign, then decimal digits; stops at the first other
// character.  Past the range of a 32-bit signed number it gives the nearest
// limit, as the Windows runtime's atoi does.
std::int32_t decimalSigned(const char* p)
{
    while (isSpace(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    std::int64_t magnitude = 0;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    for (; digitValue(*p) < 10; ++p) {
        magnitude = magnitude * 10 + digitValue(*p);
        if (magnitude >= limit) {
            magnitude = limit;
            while (digitValue(*p) < 10)
                ++p;
            break;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// strtoul for a 32-bit unsigned long: blanks, sign, digits in base (in base
// 16 an optional "0x"); a magnitude past 32 bits gives 4294967295, a minus
// sign negates the value modulo 2^32.
std::uint32_t unsignedInBase(const char* p, unsigned base)
{
    while (isSpace(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (base == 16 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && isHexDigit(p[2]))
        p += 2;
    std::uint64_t magnitude = 0;
    for (; digitValue(*p) < base; ++p) {
        magnitude = magnitude * base + digitValue(*p);
        if (magnitude > 0xFFFFFFFFull)
            return 0xFFFFFFFFu;
    }
    std::uint32_t value = static_cast<std::uint32_t>(magnitude);
    return negative ? 0u - value : value;
}

}  // namespace

std::int32_t FCString::toInt(bool fromCursor) const
{
    const char* p = fromCursor ? cursor_ : rep_->buffer;
    switch (prefixBase(p)) {
    case 16:
        return static_cast<std::int32_t>(accumulate(p + 2, 16));
    case 2:
        return static_cast<std::int32_t>(accumulate(p + 2, 2));
    default:
        return decimalSigned(p);
    }
}

std::uint32_t FCString::toUnsigned(bool fromCursor) const
{
    const char* p = fromCursor ? cursor_ : rep_->buffer;
    switch (prefixBase(p)) {
    case 16:
        return unsignedInBase(p, 16);
    case 2:
        return unsignedInBase(p + 2, 2);
    default:
        return unsignedInBase(p, 10);
    }
}

namespace {

const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";

// The digits of value in base, most significant first, behind a minus sign
// when negative is set.
std::string digitsOf(std::uint32_t value, unsigned base, bool negative)
{
    if (base < 2 || base > 36)
        base = 10;
    char reversed[40];
    int n = 0;
    do {
        reversed[n++] = kDigits[value % base];
        value /= base;
    } while (value != 0);
    std::string out;
    if (negative)
        out += '-';
    while (n > 0)
        out += reversed[--n];
    return out;
}

// Pads to width with pad in front, or keeps the last width characters.
std::string fitWidth(const std::string& digits, int width, char pad)
{
    std::size_t count = digits.size();
    if (width <= 0 || static_cast<std::size_t>(width) == count)
        return digits;
    std::size_t w = static_cast<std::size_t>(width);
    if (count < w)
        return std::string(w - count, pad) + digits;
    return digits.substr(count - w);
}

}  // namespace

void FCString::appendInt(std::int32_t value, int base, int width, char pad)
{
    bool negative = base == 10 && value < 0;
    std::uint32_t magnitude = negative ? 0u - static_cast<std::uint32_t>(value)
                                       : static_cast<std::uint32_t>(value);
    append(fitWidth(digitsOf(magnitude, static_cast<unsigned>(base), negative), width, pad).c_str());
}

void FCString::appendUnsigned(std::uint32_t value, int base, int width, char pad)
{
    append(fitWidth(digitsOf(value, static_cast<unsigned>(base), false), width, pad).c_str());
}

void FCString::setInt(std::int32_t value)
{
    clear();
    appendInt(value);
}
