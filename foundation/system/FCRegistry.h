// FCRegistry: one open registry key, read and written through the ANSI
// registry calls.
//
// Every operation on a closed key does nothing and reports failure (false,
// nothing, or an empty text).  Texts are read whatever type the value has
// and always come back NUL-terminated, also when the stored data is not.
#pragma once

#include "foundation/text/FCString.h"

#include <windows.h>

#include <optional>
#include <string>

class FCRegistry {
public:
    // What RegQueryInfoKeyA tells about the open key.  A non-zero class-name
    // length and the four maximum lengths carry 2 more than the system says,
    // room for a terminating NUL in buffers sized from them.
    struct KeyInfo {
        DWORD classNameLength = 0;
        DWORD maxSubKeyNameLength = 0;
        DWORD maxClassLength = 0;
        DWORD maxValueNameLength = 0;
        DWORD maxValueLength = 0;
        DWORD securityDescriptorSize = 0;
        DWORD subKeyCount = 0;
        DWORD valueCount = 0;
    };

    FCRegistry() = default;
    FCRegistry(const FCRegistry&) = delete;
    FCRegistry& operator=(const FCRegistry&) = delete;
    // Closes the key.
    virtual ~FCRegistry();

    // Closes any open key, then opens subKey under root with the access
    // mask (KEY_ALL_ACCESS for the patch run).  On success the key's
    // information is read as well; false leaves the object closed.
    bool open(HKEY root, const char* subKey, REGSAM access);
    // Reads the key information and the class name; false (information
    // cleared) when the key is closed or the system refuses.
    bool queryInfo();
    void close();
    bool isOpen() const { return key_ != nullptr; }

    // The bytes of value name (nullptr: the key's default value), whatever
    // its type; nothing when the key is closed or the value missing or
    // unreadable.
    std::optional<std::string> queryRaw(const char* name) const;
    // The text of value name, or the empty text.
    const FCString& getString(const char* name);
    // The text of value name, or defaultText (nullptr: the empty text).
    const FCString& getString(const char* name, const char* defaultText);
    // RegSetValueExA; true when the value was written.
    bool setValue(const char* name, DWORD type, const void* data, DWORD size);
    // Writes text as REG_SZ, its terminating NUL counted in the size
    // (nullptr writes the empty text).
    bool setString(const char* name, const char* text);

    HKEY root() const { return root_; }
    const FCString& subKey() const { return subKey_; }
    const FCString& className() const { return className_; }
    const KeyInfo& info() const { return info_; }
    // The text that the last getString gave.
    const FCString& value() const { return value_; }

private:
    HKEY root_ = nullptr;
    FCString subKey_;
    FCString className_;
    HKEY key_ = nullptr;
    FCString value_;
    KeyInfo info_;
};
