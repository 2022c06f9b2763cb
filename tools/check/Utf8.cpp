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

bool cp932FromUtf8(const std::string& utf8, std::string& cp932)
{
    cp932.clear();
    if (utf8.empty())
        return true;
    int size = static_cast<int>(utf8.size());
    int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (wide <= 0)
        return false;
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), wide);
    BOOL lossy = FALSE;
    int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.data(), wide, nullptr, 0,
                                     nullptr, &lossy);
    if (length <= 0 || lossy)
        return false;
    cp932.assign(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.data(), wide, cp932.data(), length,
                        nullptr, &lossy);
    return !lossy;
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

bool cp932FromUtf8(const std::string& utf8, std::string& cp932)
{
    cp932.clear();
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return false;
    char buffer[256];
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    bool whole = true;
    while (inLeft > 0 && whole) {
        char* to = buffer;
        std::size_t toLeft = sizeof buffer;
        std::size_t done = iconv(converter, &in, &inLeft, &to, &toLeft);
        cp932.append(buffer, static_cast<std::size_t>(to - buffer));
        whole = done != static_cast<std::size_t>(-1) || errno == E2BIG;
    }
    iconv_close(converter);
    return whole;
}

#endif
