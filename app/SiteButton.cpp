#include "SiteButton.h"

#include "RunTexts.h"

SiteButton siteButtonFor(const RunSettings& settings)
{
    SiteButton button;
    if (!settings.siteUrl.empty()) {
        button.url = settings.siteUrl;
        button.label = settings.siteLabel;
    } else if (settings.siteLabel.empty()) {
        button.url = runtexts::kExplanationUrl;
        button.label = runtexts::kExplanationLabel;
    } else {
        button.label = settings.siteLabel;
    }
    if (button.label.empty()) {
        if (button.url.empty()) {
            button.label = runtexts::kNoSite;
        } else {
            button.label = runtexts::kGoTo;
            button.label.append(button.url.text());
        }
    }
    return button;
}
