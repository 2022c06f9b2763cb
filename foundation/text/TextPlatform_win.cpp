#include "TextPlatform.h"

#include <windows.h>

#include <vector>

namespace textplatform {

static_assert(sizeof(LONG) == sizeof(std::int32_t), "LONG is 32 bits on Windows");

int showTaskModalBox(OwnerWindow owner, const char* caption, const char* text)
{
    return MessageBoxA(static_cast<HWND>(owner), text, caption,
                       MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
}

int compareText(const char* a, const char* b)
{
    return lstrcmpA(a, b);
}

std::uint32_t lastErrorCode()
{
    return GetLastError();
}

bool localeMap(std::uint32_t flags, const char* text, std::string& result)
{
    LCID locale = GetSystemDefaultLCID();
    int needed = LCMapStringA(locale, flags, text, -1, nullptr, 0);
    if (needed <= 0)
        return false;
    std::vector<char> out(static_cast<std::size_t>(needed));
    int written = LCMapStringA(locale, flags, text, -1, out.data(), needed);
    if (written <= 0)
        return false;
    result.assign(out.data());
    return true;
}

std::int32_t interlockedIncrement(volatile std::int32_t* value)
{
    return InterlockedIncrement(reinterpret_cast<volatile LONG*>(value));
}

std::int32_t interlockedDecrement(volatile std::int32_t* value)
{
    return InterlockedDecrement(reinterpret_cast<volatile LONG*>(value));
}

}  // namespace textplatform
