// The value and field syntax shared by every key of the description header.
#pragma once

#include "foundation/text/FCString.h"

namespace header {

// Puts the line's cursor at its value: behind the first "=" (the end of the
// line without one), then behind every "=", blank and tab that follows, then
// behind every ";" (blanks behind such a ";" stay).
void moveToValue(FCString& line);

// Cuts the next field of a header value, up to ";" or the end of the line,
// and steps over the run of ";", blanks and tabs behind it, so that an empty
// field cannot be written.  False when no field is left; field is then
// unchanged.
bool cutField(FCString& line, FCString& field);

// The same, also telling whether the field was followed directly by ";;":
// an empty field written on purpose, which the I line of type 4 keeps.
bool cutField(FCString& line, FCString& field, bool& emptyFieldBehind);

}  // namespace header
