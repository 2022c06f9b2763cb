#include "Utf8.h"

#ifdef _WIN32

#include <windows.h>

std::string utf8FromCp932(const std::string& bytes)
{
    if (bytes.empty())
        return {};
    int size = static_cast<int>(bytes.size());
    int wide = MultiByteToWideChar(932, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(932, 0, bytes.data(), size, text.data(), wide);
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, out.data(), length, nullptr, nullptr);
    return out;
}

#else

#include <iconv.h>

#include <cerrno>

namespace {

const char kReplacement[] = "\xEF\xBF\xBD";

}  // namespace

std::string utf8FromCp932(const std::string& bytes)
{
    iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return bytes;
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* to = buffer;
        std::size_t toLeft = sizeof buffer;
        std::size_t done = iconv(converter, &in, &inLeft, &to, &toLeft);
        out.append(buffer, static_cast<std::size_t>(to - buffer));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // A byte that starts no character, or a lead byte at the end.
            out += kReplacement;
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    return out;
}

#endif
