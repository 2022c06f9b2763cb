#include "FCPathName.h"

#include "foundation/text/MbText.h"
#include "foundation/text/Texts.h"

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const std::int32_t kPathBlockSize = 512;

// The last character with this code, or nullptr.
const char* findLast(const char* text, unsigned code)
{
    const char* last = nullptr;
    for (const char* p = mb::findChar(text, code); p != nullptr; p = mb::findChar(mb::next(p), code))
        last = p;
    return last;
}

bool endsWithBackslash(const char* text)
{
    const char* end = text + std::strlen(text);
    return end != text && mb::codeAt(mb::prev(text, end)) == '\\';
}

// The text that a Win32 "get folder" call gives; the buffer grows when the
// call says it needs more room, so a long path is never cut short.
template <typename Call>
bool systemText(Call call, std::string& out)
{
    std::vector<char> buffer(262);
    for (;;) {
        DWORD n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return false;
        if (n < buffer.size()) {
            out.assign(buffer.data(), n);
            return true;
        }
        if (buffer.size() >= 32768)
            return false;
        buffer.resize(buffer.size() * 4);
    }
}

bool moduleFileName(std::string& out)
{
    // GetModuleFileNameA returns the size of the buffer when it cut the name.
    return systemText(
        [](char* buffer, DWORD size) {
            DWORD n = GetModuleFileNameA(nullptr, buffer, size);
            return n >= size ? size : n;
        },
        out);
}

bool isShellFolderCode(int code)
{
    static const struct {
        int first;
        int last;
    } kRanges[] = {{0, 9},   {11, 14}, {16, 16}, {19, 40}, {43, 43},
                   {45, 49}, {53, 56}, {59, 59}, {61, 61}};
    for (const auto& r : kRanges) {
        if (code >= r.first && code <= r.last)
            return true;
    }
    return false;
}

void freeItemList(LPITEMIDLIST list)
{
    if (list == nullptr)
        return;
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
        allocator->Free(list);
        allocator->Release();
    }
}

bool shellFolder(int code, std::string& out)
{
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, code, &list)) || list == nullptr)
        return false;
    char buffer[MAX_PATH] = {};
    bool ok = SHGetPathFromIDListA(list, buffer) != FALSE;
    freeItemList(list);
    if (ok)
        out = buffer;
    return ok;
}

}  // namespace

FCPathName::FCPathName()
{
    path_.create(kPathBlockSize, nullptr);
    setCurrent();
}

FCPathName::FCPathName(const char* text)
{
    path_.create(kPathBlockSize, nullptr);
    set(text);
}

FCPathName::FCPathName(const FCString& text)
{
    path_.create(kPathBlockSize, nullptr);
    set(text);
}

FCPathName::FCPathName(int folderCode)
{
    path_.create(kPathBlockSize, nullptr);
    setFolder(folderCode);
}

FCPathName::~FCPathName() = default;

void FCPathName::setText(const char* text)
{
    path_.create(kPathBlockSize, text);
}

bool FCPathName::currentFolder(FCString& out)
{
    std::string folder;
    if (!systemText([](char* buffer, DWORD size) { return GetCurrentDirectoryA(size, buffer); },
                    folder)) {
        FCString::showLastError(texts::kSubjectPathCreate);
        return false;
    }
    if (!endsWithBackslash(folder.c_str()))
        folder += '\\';
    out.create(kPathBlockSize, folder.c_str());
    return true;
}

void FCPathName::setCurrent()
{
    FCString folder;
    if (currentFolder(folder))
        setText(folder.text());
}

void FCPathName::setRelative(const FCPathName& other)
{
    FCString folder;
    if (!currentFolder(folder))
        return;
    folder.append(other.text());
    setText(folder.text());
}

void FCPathName::set(const FCString& text)
{
    set(text.text());
}

void FCPathName::set(const char* text)
{
    if (text == nullptr) {
        setCurrent();
        return;
    }
    if (text[0] == '%' && text[1] == ':') {
        FCString drive = firstCdRomDrive();
        drive.append(text + 2);
        setText(drive.text());
        return;
    }
    if ((text[0] == '\\' && text[1] == '\\') || (text[0] != '\0' && text[1] == ':')) {
        setText(text);
        return;
    }
    FCString folder;
    if (!currentFolder(folder))
        return;
    folder.append(text);
    setText(folder.text());
}

void FCPathName::setFolder(int code, bool withSeparator)
{
    path_.clear();
    std::string folder;
    bool found = false;
    switch (code) {
    case kExecutableFile:
        if (moduleFileName(folder))
            setText(folder.c_str());
        return;
    case kExecutableFolder:
        if (moduleFileName(folder)) {
            FCPathName file(folder.c_str());
            file.folderPart(path_, withSeparator);
            path_.rewind();
        }
        return;
    case kCurrentFolder:
    case 30589:
    case 30590:
    case 30591:
    case 30592:
        setCurrent();
        return;
    case kWindowsFolder:
        found = systemText([](char* b, DWORD n) { return GetWindowsDirectoryA(b, n); }, folder);
        break;
    case kSystemFolder:
        found = systemText([](char* b, DWORD n) { return GetSystemDirectoryA(b, n); }, folder);
        break;
    case kTemporaryFolder:
        found = systemText([](char* b, DWORD n) { return GetTempPathA(n, b); }, folder);
        break;
    default:
        found = isShellFolderCode(code) && shellFolder(code, folder);
        break;
    }
    if (!found)
        return;
    set(folder.c_str());
    if (withSeparator)
        addSeparator();
}

void FCPathName::setFolder(int code)
{
    setFolder(code, true);
}

bool FCPathName::endsWithoutSeparator() const
{
    const char* start = path_.text();
    const char* end = start + path_.length();
    const char* last = mb::prev(start, end);
    if (last == start)
        return true;  // fewer than two characters
    return mb::codeAt(last) != '\\';
}

void FCPathName::addSeparator()
{
    if (endsWithoutSeparator())
        path_.append("\\");
    path_.rewind();
}

bool FCPathName::folderPart(FCString& out, bool withSeparator) const
{
    const char* start = path_.text();
    const char* last = findLast(start, '\\');
    if (last == nullptr || last == start)
        return false;
    std::size_t count = static_cast<std::size_t>(last - start) + (withSeparator ? 1 : 0);
    out.assign(start, count, kPathBlockSize);
    return true;
}

FCString FCPathName::fileName() const
{
    const char* last = findLast(path_.text(), '\\');
    return FCString(last == nullptr ? "" : last + 1);
}

FCString FCPathName::lastName() const
{
    const char* start = path_.text();
    if (!endsWithBackslash(start))
        return fileName();
    const char* final = mb::prev(start, start + path_.length());
    const char* before = nullptr;
    for (const char* p = mb::findChar(start, '\\'); p != nullptr && p < final;
         p = mb::findChar(mb::next(p), '\\'))
        before = p;
    // A drive root ('C:\\') has no folder name, nor has a server root
    // ('\\\\server\\'), whose only earlier separators are its leading two.
    if (before == nullptr || (isUnc() && before == start + 1))
        return FCString();
    FCString name;
    name.assign(before + 1, static_cast<std::size_t>(final - before));
    return name;
}

bool FCPathName::isUnc() const
{
    return path_.text()[0] == '\\' && path_.text()[1] == '\\';
}

void FCPathName::rootPart(FCString& out) const
{
    const char* start = path_.text();
    if (start[0] != '\\') {
        out.assign(start, start[0] == '\0' ? 0 : static_cast<std::size_t>(mb::next(start) - start));
        return;
    }
    const char* server = start;
    while (*server == '\\')
        ++server;
    const char* after = mb::findChar(server, '\\');
    if (after == nullptr)
        out = start;
    else
        out.assign(start, static_cast<std::size_t>(after - start) + 1);
}

bool FCPathName::hasExtension(const char* ext) const
{
    const char* start = path_.text();
    if (ext == nullptr || endsWithBackslash(start))
        return false;
    const char* last = findLast(start, '\\');
    if (last == nullptr)
        return false;
    const char* dot = findLast(last, '.');
    if (dot == nullptr)
        return false;
    return mb::changeCase(dot + 1, false) == mb::changeCase(ext, false);
}

bool FCPathName::headPart(FCString& out, int flags) const
{
    unsigned separator = (flags & 0x1000000) ? '/' : '\\';
    const char* start = path_.text();
    const char* last = findLast(start, separator);
    if (last == nullptr && (flags & 8) != 0)
        last = findLast(start, separator == '/' ? '\\' : '/');
    if (last == nullptr)
        return false;
    std::size_t count = static_cast<std::size_t>(last - start) + ((flags & 1) ? 1 : 0);
    FCString part;
    part.assign(start, count);
    // Two characters at least: a lone drive letter or slash is no head.
    if (part.move(1, 0) == 0)
        return false;
    if ((flags & 0x10) != 0)
        out.append(part.text());
    else
        out = part.text();
    return true;
}

namespace {

int CALLBACK openAtInitialFolder(HWND window, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED)
        SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

}  // namespace

bool FCPathName::browse(HWND owner, int rootCode, const char* title, UINT flags, const char* initial)
{
    HRESULT com = CoInitialize(nullptr);
    LPITEMIDLIST root = nullptr;
    bool chosen = false;
    if (SUCCEEDED(SHGetSpecialFolderLocation(owner, rootCode, &root)) && root != nullptr) {
        char display[522] = {};
        if (initial != nullptr && std::strlen(initial) <= 520)
            std::strcpy(display, initial);
        BROWSEINFOA info = {};
        info.hwndOwner = owner;
        info.pidlRoot = root;
        info.pszDisplayName = display;
        info.lpszTitle = title;
        info.ulFlags = flags;
        info.lpfn = openAtInitialFolder;
        info.lParam = reinterpret_cast<LPARAM>(display);
        LPITEMIDLIST result = SHBrowseForFolderA(&info);
        char folder[MAX_PATH] = {};
        if (result != nullptr && SHGetPathFromIDListA(result, folder)) {
            set(folder);
            addSeparator();
            chosen = true;
        }
        freeItemList(result);
        freeItemList(root);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return chosen;
}

FCString FCPathName::firstCdRomDrive()
{
    static FCString drive;
    if (!drive.empty())
        return drive;
    DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((drives & (1u << i)) == 0)
            continue;
        char root[] = {static_cast<char>('A' + i), ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_CDROM) {
            root[2] = '\0';
            drive = root;
            break;
        }
    }
    return drive;
}
