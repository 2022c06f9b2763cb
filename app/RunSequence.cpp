#include "RunSequence.h"

#include "AppTexts.h"
#include "HeaderReader.h"
#include "InstallFolder.h"
#include "MessageDialogs.h"
#include "PatchDialogs.h"
#include "RunMessages.h"
#include "VersionRecord.h"
#include "VersionSource.h"

#include "foundation/files/FCFile.h"
#include "foundation/files/FCFileUty.h"
#include "foundation/files/TextFile.h"
#include "foundation/system/FCPathName.h"
#include "foundation/text/Diagnostic.h"

namespace {

// I and U lines act at once, as the header is read.
class RunHeaderHandler : public HeaderLineHandler {
public:
    int installLine(RunSettings& settings, FCString& value) override
    {
        return detectInstallFolder(settings, value);
    }
    void versionSourceLine(RunSettings& settings, FCString& value) override
    {
        parseVersionSource(settings, value);
    }
};

void show(const RunSettings& settings, const RunMessage& message)
{
    showMessage(settings, message.title.text(), message.text.text());
}

bool hasVersionSource(const RunSettings& settings)
{
    return settings.versionSource >= 1 && settings.versionSource <= 4;
}

// The run itself; returns early wherever the run ends.
void run(RunSettings& settings)
{
    FCString path(FCPathName(FCPathName::kExecutableFolder).text());
    path.append(apptexts::kDescriptionFileName);
    settings.failureCount = 0;
    if (!FCFile::exists(path.text())) {
        show(settings, missingDescriptionMessage());
        return;
    }
    FCString description;
    FCFile file;
    file.openForRead(path.text());
    readFile(description, file);
    file.close();

    RunHeaderHandler handler;
    HeaderResult header = readHeader(description, settings, handler);
    if (header.end == HeaderEnd::InstallFailed) {
        show(settings, installFailedMessage(header.installResult, settings.productName));
        return;
    }
    if (!settings.headerComplete)
        return;
    // New bytes wait in one folder of the product's own until they take
    // their file's place: a run that is ended halfway leaves its part there,
    // and the next run takes it up.
    FCFileUty::setPartsFolder(settings.installFolder.text());
    if (settings.newVersionGiven) {
        std::int32_t newVersion = settings.newVersion.toInt();
        std::int32_t installed = readInstalledVersion(settings);
        if (newVersion <= installed) {
            show(settings, versionGateMessage(installed, newVersion));
            return;
        }
    }
    // Only a command section carried out whole marks the product as updated:
    // not a declined run, nor one with failed copies (the dialog tells).
    if (runPatchDialog(settings, description) && hasVersionSource(settings))
        recordNewVersion(settings);
}

}  // namespace

void runPatch()
{
    RunSettings settings;
    try {
        run(settings);
    } catch (...) {
        // Out of memory, or the user gave up in a file's Retry/Cancel box
        // (which said what went wrong): the run ends here without touching
        // anything else.
        showWhenOutOfMemory();
    }
}
