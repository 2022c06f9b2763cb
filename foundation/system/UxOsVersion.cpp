#include "UxOsVersion.h"

static_assert(sizeof(OSVERSIONINFOEXA) == 156, "the extended version record is 156 bytes");

UxOsVersion::UxOsVersion() : record_()
{
    // The extended record first; systems older than it refuse its size, and
    // they still fill the short record at its start.
    record_.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record_)))
        return;
    record_ = OSVERSIONINFOEXA();
    record_.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record_)))
        record_ = OSVERSIONINFOEXA();
}

UxOsVersion::~UxOsVersion() = default;

bool UxOsVersion::isAtLeast(std::int32_t win9xMinimum, std::int32_t ntMinimum) const
{
    return isAtLeast(record_, win9xMinimum, ntMinimum);
}

bool UxOsVersion::isAtLeast(const OSVERSIONINFOEXA& record, std::int32_t win9xMinimum,
                            std::int32_t ntMinimum)
{
    std::int32_t threshold =
        record.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? win9xMinimum : ntMinimum;
    if (threshold == -1)
        return false;
    std::int32_t version = static_cast<std::int32_t>((record.dwMajorVersion & 0xFF) << 8 |
                                                     (record.dwMinorVersion & 0xFF));
    return version >= threshold;
}
