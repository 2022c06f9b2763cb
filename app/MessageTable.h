// The fifteen status texts of the two patch dialogs, in their fixed order.
// Indices 0-4 are the confirmation dialog's ("アップデート"), 7-10 the
// selection dialog's ("更新"), 12-14 the selection texts; 5, 6 and 11 are
// kept in the table but shown by no dialog.
#pragma once

#include "foundation/text/FCString.h"

class MessageTable {
public:
    static const int kCount = 15;

    // The text at index with every "%1" replaced by productName (an empty
    // name removes the placeholder); empty for an index outside the table.
    static FCString text(int index, const FCString& productName);
};
