#include "MbText.h"

#include <cstring>

namespace mb {

namespace {

unsigned char byteAt(const char* p) { return static_cast<unsigned char>(*p); }

}  // namespace

bool isTrail(unsigned char byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

const char* next(const char* p)
{
    if (*p == '\0')
        return p;
    if (isLead(byteAt(p)) && p[1] != '\0')
        return p + 2;
    return p + 1;
}

const char* prev(const char* start, const char* p)
{
    // A trail byte can look like a lead byte or like ASCII, so the only
    // reliable way back is forward from a known boundary.
    const char* at = start;
    while (at < p && *at != '\0') {
        const char* after = next(at);
        if (after >= p)
            break;
        at = after;
    }
    return at;
}

unsigned codeAt(const char* p)
{
    unsigned first = byteAt(p);
    if (first != 0 && isLead(static_cast<unsigned char>(first)) && p[1] != '\0')
        return first * 256 + byteAt(p + 1);
    return first;
}

bool inSet(const char* set, unsigned code)
{
    if (set == nullptr || code == 0)
        return false;
    for (const char* s = set; *s != '\0'; s = next(s)) {
        if (codeAt(s) == code)
            return true;
    }
    return false;
}

const char* findChar(const char* s, unsigned code)
{
    for (; *s != '\0'; s = next(s)) {
        if (codeAt(s) == code)
            return s;
    }
    return nullptr;
}

const char* findAny(const char* s, const char* set)
{
    for (; *s != '\0'; s = next(s)) {
        if (inSet(set, codeAt(s)))
            return s;
    }
    return nullptr;
}

const char* skipSpan(const char* s, const char* set)
{
    while (*s != '\0' && inSet(set, codeAt(s)))
        s = next(s);
    return s;
}

namespace {

// True when the match of n bytes at p ends on a character boundary of the
// text, so that replacing it cannot leave half a character behind.
bool endsOnBoundary(const char* p, std::size_t n)
{
    const char* end = p + n;
    const char* at = p;
    while (at < end)
        at = next(at);
    return at == end;
}

}  // namespace

const char* findSub(const char* s, const char* what)
{
    std::size_t n = std::strlen(what);
    if (n == 0)
        return s;
    char first = what[0];
    for (; *s != '\0'; s = next(s)) {
        if (*s == first && std::strncmp(s, what, n) == 0 && endsOnBoundary(s, n))
            return s;
    }
    return nullptr;
}

bool insideChar(const char* start, const char* p)
{
    // Only a byte behind a possible lead byte can be a second byte; the walk
    // from the start settles which it is.
    if (p <= start || !isLead(byteAt(p - 1)))
        return false;
    const char* at = start;
    while (at < p && *at != '\0')
        at = next(at);
    return at != p;
}

std::size_t boundedLength(const char* text, std::size_t maxBytes)
{
    const char* at = text;
    while (*at != '\0') {
        const char* after = next(at);
        if (static_cast<std::size_t>(after - text) > maxBytes)
            break;
        at = after;
    }
    return static_cast<std::size_t>(at - text);
}

std::string changeCase(const char* text, bool toUpper)
{
    std::string out;
    for (const char* p = text; *p != '\0'; p = next(p)) {
        unsigned code = codeAt(p);
        if (code > 0xFF) {
            code = mapDoubleByteCase(code, toUpper);
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
            continue;
        }
        char c = static_cast<char>(code);
        if (toUpper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (!toUpper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        out += c;
    }
    return out;
}

}  // namespace mb
