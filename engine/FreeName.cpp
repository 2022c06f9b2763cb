#include "FreeName.h"

#include "foundation/files/FCFile.h"
#include "foundation/system/FCPathName.h"
#include "foundation/text/MbText.h"

namespace {

const char kNumberMark[] = "%1";
const std::uint32_t kLastNumber = 0x7FFFFFFE;

bool hasNumberMark(const FCString& pattern)
{
    return mb::findSub(pattern.text(), kNumberMark) != nullptr;
}

}  // namespace

bool freeName(const FCString& pattern, FCString& out)
{
    if (!hasNumberMark(pattern)) {
        if (FCFile::exists(pattern.text()))
            return false;
        out = pattern;
        return true;
    }
    FCString number;
    for (std::uint32_t n = 0; n <= kLastNumber; ++n) {
        number.clear();
        number.appendUnsigned(n, 16, 8, '0');
        FCString candidate(pattern);
        candidate.replace(kNumberMark, number.text());
        if (!FCFile::exists(candidate.text())) {
            out = candidate;
            return true;
        }
    }
    return false;
}

FCString backupNameFor(const FCString& pattern)
{
    FCString name(pattern);
    freeName(pattern, name);
    return name;
}

void makeBackupFolders(const FCString& backup)
{
    FCString folder;
    if (FCPathName(backup).folderPart(folder, true))
        FCFile::createFolders(folder.text());
}

bool moveToBackup(const FCString& file, const FCString& backup)
{
    if (!FCFile::exists(file.text()))
        return true;
    makeBackupFolders(backup);
    return MoveFileExA(file.text(), backup.text(), MOVEFILE_REPLACE_EXISTING) != FALSE ||
           !FCFile::exists(file.text());
}
