// What the site button of the message and About dialogs shows and opens.
#pragma once

#include "RunSettings.h"

#include "foundation/text/FCString.h"

struct SiteButton {
    FCString url;    // empty: the button is disabled
    FCString label;  // the button's text
};

// From the description's SITE_URL and SITE_EXPL: the site named there, the
// maker's explanation page when neither is given, or only a label.
SiteButton siteButtonFor(const RunSettings& settings);
