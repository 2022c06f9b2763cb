// The portable half of the multibyte walker: code page 932 built in, so that
// the native build walks text exactly as the program does on Windows.
#include "MbText.h"

namespace mb {

bool isLead(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

namespace {

// Letters of code page 932 that have two cases: the upper-case range, the
// first lower-case code, and a code the lower-case range skips.
struct CaseRange {
    unsigned upperFirst;
    unsigned upperLast;
    unsigned lowerFirst;
    unsigned lowerGap;  // 0 when the lower-case range has no gap
};

const CaseRange kCaseRanges[] = {
    {0x8260, 0x8279, 0x8281, 0},       // full-width Latin
    {0x839F, 0x83B6, 0x83BF, 0},       // Greek
    {0x8440, 0x8460, 0x8470, 0x847F},  // Cyrillic
};

unsigned lowerOf(const CaseRange& r, unsigned index)
{
    unsigned code = r.lowerFirst + index;
    return (r.lowerGap != 0 && code >= r.lowerGap) ? code + 1 : code;
}

}  // namespace

unsigned mapDoubleByteCase(unsigned code, bool toUpper)
{
    for (const CaseRange& r : kCaseRanges) {
        unsigned count = r.upperLast - r.upperFirst + 1;
        for (unsigned i = 0; i < count; ++i) {
            if (toUpper && code == lowerOf(r, i))
                return r.upperFirst + i;
            if (!toUpper && code == r.upperFirst + i)
                return lowerOf(r, i);
        }
    }
    return code;
}

}  // namespace mb
