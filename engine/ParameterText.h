// What the engine does with a record's parameter texts: joins them to a
// root, and splits them into their comma-separated fields.
#pragma once

#include "foundation/text/FCString.h"

// root followed by relative, with nothing between them.
inline FCString joinedPath(const char* root, const FCString& relative)
{
    FCString path(root);
    path.append(relative.text());
    return path;
}

// The fields of parameter, separated by ","; blanks (a set of characters,
// or none) are skipped before each field, and with restInLast the last
// field takes the rest of the text.  Missing fields are empty.
template <int Count>
void splitParameter(const FCString& parameter, FCString (&fields)[Count], bool restInLast,
                    const char* blanks)
{
    FCString text(parameter);
    text.rewind();
    text.splitFields(fields, Count, ",", restInLast, false, blanks);
}
