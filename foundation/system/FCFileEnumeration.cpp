#include "FCFileEnumeration.h"

#include <cstring>

FCFileEnumeration::FCFileEnumeration() = default;

FCFileEnumeration::~FCFileEnumeration()
{
    close();
}

void FCFileEnumeration::open(const char* pattern)
{
    close();
    pattern_.set(pattern);
    started_ = false;
}

bool FCFileEnumeration::findNext()
{
    for (;;) {
        if (!started_) {
            started_ = true;
            handle_ = FindFirstFileA(pattern_.text(), &data_);
            if (handle_ == INVALID_HANDLE_VALUE)
                return false;
        } else if (handle_ == INVALID_HANDLE_VALUE || !FindNextFileA(handle_, &data_)) {
            return false;
        }
        if (data_.cFileName[0] == '.')
            continue;
        if ((data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            // Names are at most 255 bytes, so the record has room for the
            // separator; the test only keeps the copy inside it.
            std::size_t n = std::strlen(data_.cFileName);
            if (n + 1 < sizeof data_.cFileName) {
                data_.cFileName[n] = '\\';
                data_.cFileName[n + 1] = '\0';
            }
        }
        return true;
    }
}

bool FCFileEnumeration::findNextFolder()
{
    while (findNext()) {
        if ((data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return true;
    }
    return false;
}

const FCString& FCFileEnumeration::fullPath()
{
    FCString folder;
    pattern_.folderPart(folder, true);
    folder.append(data_.cFileName);
    found_ = folder;
    return found_;
}

void FCFileEnumeration::close()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        FindClose(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}
