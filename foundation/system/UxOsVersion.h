// UxOsVersion: which Windows is running, as GetVersionExA tells it.
#pragma once

#include <windows.h>

#include <cstdint>

class UxOsVersion {
public:
    // Reads the version record (the 156-byte extended one, or the short one
    // on systems that predate it).  When the system refuses both, the record
    // stays zero: platform 0, version 0.0, so every threshold above 0 fails.
    UxOsVersion();
    virtual ~UxOsVersion();

    // The running version is major * 256 + minor (each taken as a byte).
    // Windows 9x (VER_PLATFORM_WIN32_WINDOWS) is measured against
    // win9xMinimum, every other platform against ntMinimum; a threshold of
    // -1 never passes.  isAtLeast(-1, 0x600) asks for NT 6.0 or later.
    bool isAtLeast(std::int32_t win9xMinimum, std::int32_t ntMinimum) const;
    // The same decision for any version record.
    static bool isAtLeast(const OSVERSIONINFOEXA& record, std::int32_t win9xMinimum,
                          std::int32_t ntMinimum);

    // dwOSVersionInfoSize says which record the system filled.
    const OSVERSIONINFOEXA& record() const { return record_; }

private:
    OSVERSIONINFOEXA record_;
};
