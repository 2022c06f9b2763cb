// IniFile: one INI file read and written through the platform's profile
// strings (the version source of type 1, and the INI command).
#pragma once

#include "foundation/system/FCPathName.h"
#include "foundation/text/FCString.h"

#include <cstdint>

class IniFile {
public:
    IniFile() = default;

    // Binds the file (relative paths are taken from the current folder); with
    // create, a missing file is created empty.  True when the file exists
    // afterwards.
    bool bind(const char* path, bool create);
    void release() { state_ = -1; }
    bool isBound() const { return state_ == 1; }

    // The key's text (at most 511 bytes) into value(); fallback when the key
    // is missing.
    const FCString& readText(const char* section, const char* key, const char* fallback);
    // The key as a number; fallback when it is missing.  section nullptr:
    // the default section.
    std::int32_t readInt(const char* key, std::int32_t fallback, const char* section = nullptr);
    bool write(const char* section, const char* key, const char* text);
    // Writes only when a file is bound.
    bool writeText(const char* key, const char* text, const char* section = nullptr);

    void setDefaultSection(const char* section) { defaultSection_ = section; }
    const FCString& value() const { return value_; }
    const FCPathName& path() const { return path_; }

private:
    const char* sectionOrDefault(const char* section) const
    {
        return section != nullptr ? section : defaultSection_.text();
    }

    FCString value_;
    FCString defaultSection_;
    std::int32_t state_ = -1;
    FCPathName path_{""};
};
