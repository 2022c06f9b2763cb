#include "AppliedCheck.h"

#include "foundation/files/FCFile.h"

#include <windows.h>

namespace {

const unsigned char kAnyByte = 255;

bool isFolder(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool isPatchApplied(const PatchEntry& entry, const FCString& installFolder)
{
    FCString path(installFolder);
    path.append(entry.checkFile.text());
    if (!FCFile::exists(path.text()) || isFolder(path.text()))
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
