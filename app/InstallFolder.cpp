#include "InstallFolder.h"

#include "HeaderSyntax.h"
#include "MessageDialogs.h"
#include "RunTexts.h"

#include "foundation/files/FCFile.h"
#include "foundation/system/FCPathName.h"
#include "foundation/system/FCRegistry.h"

#include <shlobj.h>

namespace {

const REGSAM kFullAccess = 0xF003F;

int fromRegistry(RunSettings& settings, HKEY root, FCString& value)
{
    FCString keyPath;
    FCString valueName;
    header::cutField(value, keyPath);
    header::cutField(value, valueName);
    FCRegistry key;
    if (!key.open(root, keyPath.text(), kFullAccess))
        return 1;
    FCString folder(key.getString(valueName.text()));
    // An empty value would become "\\", the root of the current drive: the
    // product is not installed as far as the run can tell.
    if (folder.empty())
        return 1;
    FCPathName path(folder);
    path.addSeparator();
    settings.installFolder = path.text();
    return 0;
}

FCString withWindowsDrive(const FCString& candidate)
{
    FCString drive;
    FCPathName(FCPathName::kWindowsFolder).rootPart(drive);
    FCString replaced(candidate);
    replaced.replace("%sys%", drive.text());
    return replaced;
}

bool holds(const FCString& folder, const FCString& checkName, FCString& tested)
{
    tested = folder;
    tested.append(checkName.text());
    return FCFile::exists(tested.text());
}

// Asks until the user picks a folder that holds checkName, or gives up.
bool askForFolder(const RunSettings& settings, const FCString& checkName,
                  const FCString& candidate, FCString& folder)
{
    FCString prompt;
    if (!settings.productName.empty()) {
        prompt = settings.productName;
        prompt.append(runtexts::kProductSubject);
    }
    prompt.append(runtexts::kBrowsePrompt);
    for (;;) {
        FCPathName chosen(candidate);
        if (!chosen.browse(nullptr, CSIDL_DRIVES, prompt.text(), BIF_RETURNONLYFSDIRS,
                           candidate.text()))
            return false;
        FCString tested;
        if (holds(chosen.path(), checkName, tested)) {
            folder = chosen.text();
            return true;
        }
        FCString question(runtexts::kRetryNotFound);
        question.append(tested.text());
        question.append(runtexts::kRetryAgain);
        if (!askYesNo(nullptr, question.text(), runtexts::kRetryTitle))
            return false;
    }
}

// noCheckName: the line left the check name empty ('I=4;;C:\Product\'):
// any folder the user chooses will do, and nothing is probed.
int byProbeOrChoice(RunSettings& settings, FCString& value, bool noCheckName)
{
    FCString checkName;
    FCString candidate;
    if (!noCheckName)
        header::cutField(value, checkName);
    header::cutField(value, candidate);
    // An empty candidate would probe the working folder and make the empty
    // text the install folder.
    if (!checkName.empty() && !candidate.empty()) {
        candidate = withWindowsDrive(candidate);
        FCString tested;
        if (holds(candidate, checkName, tested)) {
            settings.installFolder = candidate;
            return 0;
        }
    }
    FCString folder;
    if (!askForFolder(settings, checkName, candidate, folder))
        return 2;
    settings.installFolder = folder;
    return 0;
}

}  // namespace

int detectInstallFolder(RunSettings& settings, FCString& value)
{
    settings.programFolder = FCPathName(FCPathName::kExecutableFolder).text();
    FCString field;
    bool emptyFieldBehind = false;
    std::int32_t type = header::cutField(value, field, emptyFieldBehind) ? field.toInt() : 0;
    switch (type) {
    case 1:
        settings.installFolder = value.rest();
        return 0;
    case 2:
        return fromRegistry(settings, HKEY_CURRENT_USER, value);
    case 3:
        return fromRegistry(settings, HKEY_LOCAL_MACHINE, value);
    case 4:
        return byProbeOrChoice(settings, value, emptyFieldBehind);
    default:
        settings.installFolder = settings.programFolder;
        return 0;
    }
}
