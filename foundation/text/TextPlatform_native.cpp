// Native stand-ins: diagnostics go to the error stream, and the locale
// mapping knows the two case mappings that the program asks for.
#include "TextPlatform.h"

#include "MbText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace textplatform {

namespace {

const std::uint32_t kLowerCase = 0x00000100;  // LCMAP_LOWERCASE
const std::uint32_t kUpperCase = 0x00000200;  // LCMAP_UPPERCASE

}  // namespace

int showTaskModalBox(OwnerWindow, const char* caption, const char* text)
{
    std::fprintf(stderr, "[%s] %s\n", caption ? caption : "", text ? text : "");
    return 1;  // IDOK
}

int compareText(const char* a, const char* b)
{
    return std::strcmp(a, b);
}

std::uint32_t lastErrorCode()
{
    return static_cast<std::uint32_t>(errno);
}

bool localeMap(std::uint32_t flags, const char* text, std::string& result)
{
    if (flags != kLowerCase && flags != kUpperCase)
        return false;
    std::string out = mb::changeCase(text, flags == kUpperCase);
    if (out.empty())
        return false;
    result = out;
    return true;
}

std::int32_t interlockedIncrement(volatile std::int32_t* value)
{
    return __atomic_add_fetch(value, 1, __ATOMIC_SEQ_CST);
}

std::int32_t interlockedDecrement(volatile std::int32_t* value)
{
    return __atomic_sub_fetch(value, 1, __ATOMIC_SEQ_CST);
}

}  // namespace textplatform
