#include "FCFile.h"

#include "FCShortcut.h"
#include "FileTexts.h"
#include "HeapBlock.h"

#include "foundation/system/FCPathName.h"
#include "foundation/system/WorkBreaks.h"
#include "foundation/text/MbText.h"

#include <cstdint>
#include <string>

namespace {

struct Fragment {
    DWORD code;
    const char* text;
};

const Fragment kOpenFragments[] = {
    {ERROR_FILE_NOT_FOUND, texts::kOpenFileNotFound},
    {ERROR_PATH_NOT_FOUND, texts::kOpenPathNotFound},
    {ERROR_ACCESS_DENIED, texts::kOpenAccessDenied},
    {ERROR_NOT_READY, texts::kFileNotReady},
    {ERROR_GEN_FAILURE, texts::kFileGeneralFailure},
    {ERROR_SHARING_VIOLATION, texts::kOpenSharingViolation},
    {ERROR_BAD_NETPATH, texts::kOpenNetworkUnreachable},
    {ERROR_BAD_NET_NAME, texts::kOpenNetworkUnreachable},
    {2118, texts::kOpenNetworkNoRights},
};

const Fragment kReadFragments[] = {
    {ERROR_ACCESS_DENIED, texts::kReadAccessDenied},
    {ERROR_NOT_READY, texts::kFileNotReady},
    {ERROR_GEN_FAILURE, texts::kFileGeneralFailure},
    {ERROR_SHARING_VIOLATION, texts::kTransferSharingViolation},
    {ERROR_LOCK_VIOLATION, texts::kTransferLockViolation},
};

const Fragment kWriteFragments[] = {
    {ERROR_ACCESS_DENIED, texts::kWriteAccessDenied},
    {ERROR_NOT_READY, texts::kFileNotReady},
    {ERROR_GEN_FAILURE, texts::kFileGeneralFailure},
    {ERROR_SHARING_VIOLATION, texts::kTransferSharingViolation},
    {ERROR_LOCK_VIOLATION, texts::kTransferLockViolation},
};

template <std::size_t N>
const char* fragmentFor(const Fragment (&table)[N], std::uint32_t code)
{
    for (const Fragment& f : table) {
        if (f.code == code)
            return f.text;
    }
    return nullptr;
}

// Appends the fragment for code, or the unknown-error text and the code;
// true when the code has a fragment of its own.
template <std::size_t N>
bool appendFragment(FCString& text, const Fragment (&table)[N], const char* unknown, std::uint32_t code)
{
    if (const char* fragment = fragmentFor(table, code)) {
        text.append(fragment);
        return true;
    }
    text.append(unknown);
    text.appendUnsigned(code);
    return false;
}

// The user's answer to a failed call: true for Retry.
bool askRetry(const char* caption, const FCString& text)
{
    return MessageBoxA(nullptr, text.text(), caption,
                       MB_RETRYCANCEL | MB_TASKMODAL | MB_SETFOREGROUND) == IDRETRY;
}

}  // namespace

FCFile::FCFile() = default;

FCFile::FCFile(const char* path, DWORD disposition, DWORD access, DWORD share, DWORD flags)
{
    open(path, disposition, access, share, flags, false);
}

FCFile::~FCFile()
{
    close();
}

std::uint32_t FCFile::open(const char* path, DWORD disposition, DWORD access, DWORD share,
                           DWORD flags, bool quiet)
{
    close();
    FCPathName pathName(path);
    name_ = pathName.path();
    if (pathName.hasExtension("lnk")) {
        // A shortcut that cannot be followed is opened as the file it is, so
        // that the box and the exception name what the caller asked for.
        FCShortcut shortcut;
        FCString target;
        if (shortcut.load(pathName.text()) && shortcut.targetPath(target, nullptr, 0)) {
            name_ = target;
            pathName.set(name_);
        }
    }
    for (;;) {
        handle_ = CreateFileA(pathName.text(), access, share, nullptr, disposition, flags, nullptr);
        if (handle_ != INVALID_HANDLE_VALUE)
            return 0;
        DWORD code = GetLastError();
        if (quiet) {
            // A failure must never read as success, whatever the system says.
            return code != ERROR_SUCCESS ? code : static_cast<DWORD>(ERROR_OPEN_FAILED);
        }
        if (!askRetry(texts::kCaptionFileOpen, openErrorText(pathName.text(), code)))
            throw CannotOpenException(pathName.text());
    }
}

std::uint32_t FCFile::openForRead(const char* path)
{
    return open(path, OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ, FILE_ATTRIBUTE_NORMAL, false);
}

std::uint32_t FCFile::openForWrite(const char* path)
{
    return open(path, OPEN_EXISTING, GENERIC_WRITE, FILE_SHARE_READ, FILE_ATTRIBUTE_NORMAL, false);
}

std::uint32_t FCFile::openForUpdate(const char* path)
{
    return open(path, OPEN_ALWAYS, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                FILE_ATTRIBUTE_NORMAL, false);
}

void FCFile::close()
{
    if (!isOpen())
        return;
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    name_.clear();
}

std::uint32_t FCFile::read(void* buffer, std::uint32_t count)
{
    for (;;) {
        DWORD done = 0;
        if (ReadFile(handle_, buffer, count, &done, nullptr))
            return done;
        DWORD code = GetLastError();
        if (!askRetry(texts::kCaptionFileRead, readErrorText(name_.text(), code, handle_)))
            throw CannotReadException(name_.text());
    }
}

std::uint32_t FCFile::write(const void* buffer, std::uint32_t count)
{
    for (;;) {
        DWORD done = 0;
        if (WriteFile(handle_, buffer, count, &done, nullptr))
            return done;
        DWORD code = GetLastError();
        if (!askRetry(texts::kCaptionFileWrite, writeErrorText(name_.text(), code)))
            throw CannotWriteException(name_.text());
    }
}

bool FCFile::writeAll(const void* buffer, std::uint32_t count)
{
    const char* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        std::uint32_t done = write(bytes, count);
        if (done == 0)
            return false;
        bytes += done;
        count -= done;
    }
    return true;
}

std::uint64_t FCFile::size() const
{
    LARGE_INTEGER length;
    if (!isOpen() || !GetFileSizeEx(handle_, &length))
        return 0;
    return static_cast<std::uint64_t>(length.QuadPart);
}

const FILETIME* FCFile::fileTime(int kind, bool keepUtc)
{
    time_ = {};
    FILETIME created, accessed, written;
    if (GetFileTime(handle_, &created, &accessed, &written)) {
        switch (kind) {
        case kLastWrite:
            time_ = written;
            break;
        case kCreation:
            time_ = created;
            break;
        case kLastAccess:
            time_ = accessed;
            break;
        default:
            break;
        }
    }
    // The zero time stays zero: shifted to local time it would turn into a
    // moment that never was (or fail, west of Greenwich).
    bool known = time_.dwLowDateTime != 0 || time_.dwHighDateTime != 0;
    if (known && !keepUtc) {
        FILETIME local;
        if (FileTimeToLocalFileTime(&time_, &local))
            time_ = local;
    }
    if (!FileTimeToSystemTime(&time_, &systemTime_))
        systemTime_ = {};
    return &time_;
}

std::uint32_t FCFile::copyTo(FCFile& target, std::uint32_t count, std::uint32_t chunkSize)
{
    if (count == 0 || chunkSize == 0)
        return 0;
    std::uint32_t bufferSize = count < chunkSize ? count : chunkSize;
    HeapBlock buffer(bufferSize);
    if (buffer.data() == nullptr)
        return 0;
    std::uint32_t total = 0;
    while (count > 0) {
        // Never more than the range still wants: the source is left right
        // behind the range, where the caller may go on reading.
        std::uint32_t n = read(buffer.data(), count < bufferSize ? count : bufferSize);
        if (n == 0)
            break;
        if (!target.writeAll(buffer.data(), n))
            break;
        total += n;
        count -= n;
        workBreak();
    }
    return total;
}

bool FCFile::exists(const char* path, DWORD* attributesOut)
{
    FCPathName pathName(path);
    DWORD attributes = GetFileAttributesA(pathName.text());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if (attributesOut != nullptr)
        *attributesOut = attributes;
    return true;
}

bool FCFile::isFolder(const char* path)
{
    DWORD attributes = 0;
    return exists(path, &attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FCFile::isFile(const char* path)
{
    DWORD attributes = 0;
    return exists(path, &attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FCFile::createFolders(const char* path)
{
    FCPathName pathName(path);
    // A path cut inside a double-byte character names no folder: the final
    // "\\" would become that character's second byte, and we would create
    // a folder of some other name.
    const char* start = pathName.text();
    const char* last = mb::prev(start, start + pathName.path().length());
    if (mb::isLead(static_cast<unsigned char>(*last)) && last[1] == '\0')
        return false;
    pathName.addSeparator();
    const char* text = pathName.text();
    const char* end = text + pathName.path().length();
    // Most often the whole path is there already: one test, not one a folder.
    if (exists(text))
        return false;
    // Separators are found character by character: the second byte of a
    // double-byte character can be a "\\" byte that separates nothing.
    const char* piece = text;
    if (pathName.isUnc()) {
        // The server and its share come as one piece that we never create.
        const char* afterServer = mb::findChar(text + 2, '\\');
        const char* afterShare = afterServer != nullptr ? mb::findChar(afterServer + 1, '\\') : nullptr;
        piece = afterShare != nullptr ? afterShare + 1 : end;
        if (!exists(std::string(text, piece).c_str()))
            return false;
    }
    bool created = false;
    while (piece < end) {
        const char* separator = mb::findChar(piece, '\\');
        piece = separator != nullptr ? separator + 1 : end;
        std::string partial(text, piece);
        if (exists(partial.c_str()))
            continue;
        if (!CreateDirectoryA(partial.c_str(), nullptr))
            return false;
        created = true;
    }
    return created;
}

FCString FCFile::openErrorText(const char* path, std::uint32_t code)
{
    FCString text(path);
    appendFragment(text, kOpenFragments, texts::kOpenUnknownError, code);
    return text;
}

FCString FCFile::readErrorText(const char* name, std::uint32_t code, HANDLE handle)
{
    FCString text(name);
    if (!appendFragment(text, kReadFragments, texts::kReadUnknownError, code)) {
        text.append(texts::kReadUnknownHandle);
        // A handle is as wide as a pointer: its whole value is shown.
        text.append(std::to_string(reinterpret_cast<std::uintptr_t>(handle)).c_str());
    }
    return text;
}

FCString FCFile::writeErrorText(const char* name, std::uint32_t code)
{
    FCString text(name);
    appendFragment(text, kWriteFragments, texts::kWriteUnknownError, code);
    return text;
}
