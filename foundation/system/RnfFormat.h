// The text format of the settings files: one "name=value" item a line.
//
//   rnftype=1,0x10        optional first line: mode 1 scrambles what follows
//   ; a comment
//   Ver = 12 <TAB>ignored  the item "Ver" with the value "12 "
//
// Leading blanks (also full-width ones) are ignored, as are empty lines and
// comments; the name runs to the first "=", blank or tab, the value from
// behind the "=", blanks and tabs to the first tab or the line's end.  When
// a name occurs twice the first one counts.  This part is pure text work;
// the settings-file class reads and writes the files.
#pragma once

#include "foundation/text/FCString.h"

#include <map>

// Orders item names as the platform's locale-aware, case-sensitive
// comparison does.
struct RnfNameOrder {
    bool operator()(const FCString& a, const FCString& b) const;
};

using RnfItems = std::map<FCString, FCString, RnfNameOrder>;

// Adds the items of text to items (names already present keep their
// values).  False for an empty text.
bool parseRnfText(const FCString& text, RnfItems& items);

// The items in name order, each "name=value\n".
FCString formatRnfText(const RnfItems& items);

// The mode and key of a first line 'rnftype=<mode>,<key>' (the name in any
// case); false when the line is something else.
bool readRnfType(const FCString& firstLine, std::int32_t& mode, std::uint32_t& key);
