// The Windows half of the multibyte walker: the platform decides which bytes
// lead a double-byte character and how such a character changes case.
#include "MbText.h"

#include <windows.h>

namespace mb {

namespace {

struct LeadTable {
    bool lead[256];
    LeadTable()
    {
        for (int b = 0; b < 256; ++b)
            lead[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
    }
};

}  // namespace

bool isLead(unsigned char byte)
{
    // The ANSI code page does not change while the program runs, so the
    // platform is asked once per byte value.
    static const LeadTable table;
    return table.lead[byte];
}

unsigned mapDoubleByteCase(unsigned code, bool toUpper)
{
    char in[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    char out[4] = {};
    int n = LCMapStringA(GetSystemDefaultLCID(), toUpper ? LCMAP_UPPERCASE : LCMAP_LOWERCASE,
                         in, 2, out, sizeof out);
    if (n != 2)
        return code;
    return static_cast<unsigned char>(out[0]) * 256u + static_cast<unsigned char>(out[1]);
}

}  // namespace mb
