#include "AppliedCheck.h"

#include "foundation/files/FCFile.h"

namespace {

const unsigned char kAnyByte = 255;

}  // namespace

bool isPatchApplied(const PatchEntry& entry, const FCString& installFolder)
{
    FCString path(installFolder);
    path.append(entry.checkFile.text());
    if (!FCFile::isFile(path.text()))
        return false;
    unsigned char head[4] = {};
    FCFile file;
    file.openForRead(path.text());
    file.read(head, sizeof head);
    file.close();
    for (int k = 0; k < 4; ++k) {
        if (entry.signature[k] != kAnyByte && entry.signature[k] != head[k])
            return false;
    }
    return true;
}
