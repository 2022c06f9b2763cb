// The messages with which a run ends early: their titles and texts.
#pragma once

#include "foundation/text/FCString.h"

#include <cstdint>

struct RunMessage {
    FCString title;
    FCString text;
};

// The description file is not beside the program.
RunMessage missingDescriptionMessage();
// An I line could not find the install folder: result 1 (its registry key
// is missing) or 2 (no folder was given).  productName may be empty.
RunMessage installFailedMessage(int result, const FCString& productName);
// The installed version is not lower than the new one.
RunMessage versionGateMessage(std::int32_t installed, std::int32_t newVersion);
