#include "RunMessages.h"

#include "AppTexts.h"
#include "RunTexts.h"

namespace {

// Messages that end a run close with a blank line and the maker's line.
RunMessage endingMessage(const char* title, FCString text)
{
    text.append("\n\n");
    text.append(runtexts::kCopyright);
    return {FCString(title), text};
}

}  // namespace

RunMessage missingDescriptionMessage()
{
    // No header has been read yet: the executable is named by its default.
    FCString text(runtexts::kMissingDescriptionText);
    text.append(apptexts::kDefaultExecutableName);
    text.append(runtexts::kMissingDescriptionSee);
    return endingMessage(runtexts::kMissingDescriptionTitle, text);
}

RunMessage installFailedMessage(int result, const FCString& productName)
{
    bool keyMissing = result == 1;
    FCString text;
    if (!productName.empty()) {
        text = productName;
        text.append(runtexts::kProductOf);
    }
    text.append(keyMissing ? runtexts::kInstallKeyMissingText : runtexts::kInstallNotGivenText);
    return endingMessage(keyMissing ? runtexts::kInstallKeyMissingTitle
                                    : runtexts::kInstallNotGivenTitle,
                         text);
}

RunMessage versionGateMessage(std::int32_t installed, std::int32_t newVersion)
{
    FCString text(runtexts::kGateText);
    text.append(runtexts::kGateInstalled);
    text.appendInt(installed);
    text.append(runtexts::kGateNew);
    text.appendInt(newVersion);
    text.append(runtexts::kGateEnd);
    return endingMessage(runtexts::kGateTitle, text);
}
