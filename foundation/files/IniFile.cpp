#include "IniFile.h"

#include "foundation/files/FCFile.h"

#include <windows.h>

namespace {

// Stands for "no such key": the platform hands back the default text.
const char kMissing[] = "_dummy_";

}  // namespace

bool IniFile::bind(const char* path, bool create)
{
    state_ = 1;
    path_.set(path);
    if (create && !FCFile::exists(path_.text())) {
        HANDLE file = CreateFileA(path_.text(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    return FCFile::exists(path_.text());
}

const FCString& IniFile::readText(const char* section, const char* key, const char* fallback)
{
    char buffer[512] = {};
    GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, path_.text());
    value_ = buffer;
    return value_;
}

std::int32_t IniFile::readInt(const char* key, std::int32_t fallback, const char* section)
{
    if (!isBound())
        return value_.toInt();
    readText(sectionOrDefault(section), key, kMissing);
    if (value_.equals(kMissing))
        return fallback;
    return value_.toInt();
}

bool IniFile::write(const char* section, const char* key, const char* text)
{
    return WritePrivateProfileStringA(section, key, text, path_.text()) != FALSE;
}

bool IniFile::writeText(const char* key, const char* text, const char* section)
{
    if (!isBound())
        return false;
    return write(sectionOrDefault(section), key, text);
}
