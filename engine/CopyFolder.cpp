#include "CopyFolder.h"

#include "foundation/files/FCFile.h"
#include "foundation/files/FCFileUty.h"
#include "foundation/system/FCFileEnumeration.h"
#include "foundation/system/FCPathName.h"

bool copyFolder(const char* source, const char* destination, std::uint32_t options)
{
    FCPathName pattern(source);
    pattern.addSeparator();
    FCString patternText(pattern.text());
    patternText.append("*");

    FCPathName target(destination);
    target.addSeparator();
    if ((options & kCopyFolderCreate) != 0)
        FCFile::createFolders(target.text());
    if (!FCFile::exists(target.text()))
        return false;

    bool whole = true;
    FCFileEnumeration entries;
    entries.open(patternText.text());
    while (entries.findNext()) {
        FCPathName entry(entries.fullPath());
        if (entry.endsWithoutSeparator()) {
            whole = FCFileUty::copy(target.text(), entry.text(), options & kCopyFolderFileFlags) && whole;
        } else if ((options & kCopyFolderRecurse) != 0) {
            FCString subfolder(target.text());
            subfolder.append(entry.lastName().text());
            whole = copyFolder(entry.text(), subfolder.text(), options) && whole;
        }
    }
    entries.close();
    return whole;
}
