#include "FCFileUty.h"

#include "FCFile.h"
#include "FileUtyTexts.h"

#include "foundation/system/FCFileEnumeration.h"
#include "foundation/system/FCPathName.h"
#include "foundation/system/WorkBreaks.h"
#include "foundation/text/MbText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const UINT kBoxFlags = MB_TASKMODAL | MB_SETFOREGROUND;

// The name of the folder in which new bytes are written before they take
// their file's place.  A folder of its own keeps the part files out of the
// product's folders: under Wine every name made in a folder of thousands of
// files costs a search through all of them, and a part file is made anew for
// every file replaced.
const char kPartsFolderName[] = "~brantlewick-parts";

// The parts folder that setPartsFolder named; empty for one beside each file.
FCString& partsFolder()
{
    static FCString folder;
    return folder;
}

// The parts folder for file, with its final "\\".
FCString partsFolderOf(const FCPathName& file)
{
    FCString folder(partsFolder());
    if (folder.empty()) {
        file.folderPart(folder, true);
        folder.append(kPartsFolderName);
        folder.append("\\");
    }
    return folder;
}

// The parts folders this process made or found, to be removed at the end.
std::vector<std::string>& partFolders()
{
    static std::vector<std::string> folders;
    return folders;
}

bool isFolderPath(const FCPathName& path)
{
    return !path.endsWithoutSeparator();
}

int ask(const FCString& text, const char* caption, UINT buttons)
{
    return MessageBoxA(nullptr, text.text(), caption, buttons | kBoxFlags);
}

FCString joined(const char* a, const char* b)
{
    FCString text(a);
    text.append(b);
    return text;
}

void reportCannotCreate(const char* folder)
{
    ask(joined(folder, texts::kCopyCannotCreate), texts::kCaptionUtyCopy, MB_OK);
}

FCString lowerCase(const char* text)
{
    FCString lower(text);
    lower.convert(LCMAP_LOWERCASE);
    return lower;
}

int finish(FCFileUty::Progress progress, int result)
{
    if (progress != nullptr)
        progress(4, result == FCFileUty::kAborted ? -1 : 0, 0);
    return result;
}

int copyFolder(const FCPathName& destination, const FCPathName& source, const std::uint32_t* flags,
               FCFileUty::Progress progress, std::intptr_t value, std::intptr_t extra)
{
    if (!isFolderPath(destination))
        return FCFileUty::kAborted;
    if (!FCFile::exists(destination.text()) && !FCFile::createFolders(destination.text())) {
        reportCannotCreate(destination.text());
        return FCFileUty::kAborted;
    }
    FCFileEnumeration entries;
    entries.open(joined(source.text(), "*.*").text());
    int result = FCFileUty::kDone;
    while (entries.findNext()) {
        bool folder = (entries.data().dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        FCString target(destination.text());
        if (folder)
            target.append(entries.data().cFileName);  // carries its final "\\"
        FCString from(entries.fullPath());
        int entry = FCFileUty::copyEntry(target.text(), from.text(), flags, progress, value, extra);
        if (entry == FCFileUty::kAborted)
            return entry;
        // One entry that could not be copied makes the folder's copy fail;
        // the others are still copied.
        if (entry != FCFileUty::kDone)
            result = FCFileUty::kFailed;
    }
    return result;
}

bool exists(const FCPathName& path)
{
    return GetFileAttributesA(path.text()) != INVALID_FILE_ATTRIBUTES ||
           GetLastError() == ERROR_ACCESS_DENIED;
}

// Acts on a failed delete of one item until it is removed, given up, or the
// whole removal is aborted.
template <typename Delete>
int removeItem(const FCPathName& path, bool folder, int* force, FCFileUty::RemoveHandler handler,
               std::intptr_t value, Delete deleteItem)
{
    for (;;) {
        if (*force != 0)
            FCFileUty::clearAttributes(path.text(), FILE_ATTRIBUTE_READONLY);
        if (deleteItem(path.text()))
            return FCFileUty::kDone;
        DWORD error = GetLastError();
        std::uint32_t flags = (folder ? 0x201u : 0x101u) | (*force != 0 ? 0x10000u : 0u);
        int answer = handler(flags, &error, path.text(), 0, value);
        if (answer == FCFileUty::kForceAndRetry) {
            *force = 1;
            continue;
        }
        if (answer != FCFileUty::kRetry)
            return answer;
    }
}

// Opens path for deletion, sharing everything, as its replacement would.
// False, with the system's error as the last error, when it cannot:
// ERROR_SHARING_VIOLATION for a file that another program holds.
bool mayBeDeleted(const char* path)
{
    HANDLE file = CreateFileA(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// Moves part over path.  When the system refuses, the last error
// says why as a removal of path would: a file that another program holds
// gives ERROR_SHARING_VIOLATION, although the move itself reports only that
// access was denied.
bool moveOver(const char* part, const char* path)
{
    // A file on another volume than the parts folder (a backup named with
    // an absolute path, say) takes the part by a copy.
    if (MoveFileExA(part, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != FALSE)
        return true;
    DWORD refusal = GetLastError();
    if (refusal == ERROR_ACCESS_DENIED && !mayBeDeleted(path) &&
        GetLastError() == ERROR_SHARING_VIOLATION)
        refusal = ERROR_SHARING_VIOLATION;
    SetLastError(refusal);
    return false;
}

// A file this large takes long enough to copy that the thread's windows
// would wait for it: while the thread takes breaks, the copy runs on a
// thread of its own.  Smaller files are copied in one go, a break after
// each.
const ULONGLONG kLargeFile = 32ull * 1024 * 1024;

bool isLarge(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path, GetFileExInfoStandard, &data) != FALSE &&
           ((ULONGLONG(data.nFileSizeHigh) << 32) | data.nFileSizeLow) >= kLargeFile;
}

struct SystemCopy {
    const char* source;
    const char* target;
    BOOL copied;
    DWORD error;
};

DWORD WINAPI copyOnItsThread(void* context)
{
    auto* copy = static_cast<SystemCopy*>(context);
    copy->copied = CopyFileA(copy->source, copy->target, FALSE);
    copy->error = GetLastError();
    return 0;
}

// CopyFileA, taking the thread's breaks while a large file is copied.
bool copyTakingBreaks(const char* source, const char* target)
{
    SystemCopy copy{source, target, FALSE, 0};
    HANDLE thread = workBreaksTaken() && isLarge(source)
                        ? CreateThread(nullptr, 0, copyOnItsThread, &copy, 0, nullptr)
                        : nullptr;
    if (thread == nullptr) {
        copyOnItsThread(&copy);
    } else {
        while (MsgWaitForMultipleObjects(1, &thread, FALSE, WorkBreaks::kInterval, QS_ALLINPUT) !=
               WAIT_OBJECT_0)
            takeWorkBreak();
        CloseHandle(thread);
    }
    workBreak();
    SetLastError(copy.error);
    return copy.copied != FALSE;
}

// Copies source to the part file of destination (made anew); false, with no
// part file left, when the copy cannot be made.
bool copyToPart(const char* source, const char* destination, FCString& part)
{
    part = FCFileUty::makePartName(destination);
    if (copyTakingBreaks(source, part.text()))
        return true;
    DeleteFileA(part.text());
    return false;
}

// Copies source to destination so that destination holds its old bytes or
// the whole new ones at every moment: the bytes go to a part file in the
// parts folder, which takes its place only when whole.  A destination that refuses to
// be replaced (read-only, in use) goes through the remove handler, as its
// removal would, and is tried again; given up on, it keeps its old bytes.
int copyIntoPlace(const FCPathName& destination, const FCPathName& source, std::intptr_t extra)
{
    FCString part;
    return copyToPart(source.text(), destination.text(), part) &&
                   FCFileUty::putInPlace(part.text(), destination.text(), extra)
               ? FCFileUty::kDone
               : FCFileUty::kFailed;
}

int copyFile(const char* sourceText, std::uint32_t sourceStatus, const FCPathName& destination,
             const FCPathName& source, const std::uint32_t* flags, FCFileUty::Progress progress,
             std::intptr_t value, std::intptr_t extra)
{
    while ((sourceStatus & FCFileUty::STATUS_LOCKED) != 0) {
        if (ask(joined(sourceText, texts::kCopySourceLocked), texts::kCaptionUtyCopy,
                MB_RETRYCANCEL) != IDRETRY)
            return FCFileUty::kAborted;
        sourceStatus = FCFileUty::status(source.text());
    }
    if (isFolderPath(destination)) {
        if (!FCFile::exists(destination.text()) && !FCFile::createFolders(destination.text())) {
            reportCannotCreate(destination.text());
            return FCFileUty::kAborted;
        }
        FCString target(destination.text());
        target.append(source.fileName().text());
        return FCFileUty::copyEntry(target.text(), sourceText, flags, progress, value, extra);
    }
    if (exists(destination)) {
        bool replace = (*flags & FCFileUty::COPY_SKIP_EXISTING) == 0 &&
                       ((*flags & FCFileUty::COPY_IF_NEWER) != 0
                            ? FCFileUty::isOlder(destination.text(), source.text())
                            : (*flags & FCFileUty::COPY_OVERWRITE) != 0);
        // A file that is kept counts as done.  One copied over itself
        // (spelled another way, or through a hard link) gets its own bytes.
        return replace ? copyIntoPlace(destination, source, extra) : FCFileUty::kDone;
    }
    FCString folder;
    destination.folderPart(folder, true);
    FCString existing;
    if (FCFileUty::existingPrefix(destination.text(), existing) && !existing.equals(folder) &&
        !FCFile::createFolders(folder.text())) {
        reportCannotCreate(folder.text());
        return FCFileUty::kAborted;
    }
    return copyIntoPlace(destination, source, extra);
}

}  // namespace

bool FCFileUty::copy(const char* destination, const char* source, std::uint32_t flags,
                     Progress progress, std::intptr_t value, std::intptr_t extra)
{
    std::uint32_t copied = flags;
    return copyEntry(destination, source, &copied, progress, value, extra) == kDone;
}

int FCFileUty::copyEntry(const char* destination, const char* source, const std::uint32_t* flags,
                         Progress progress, std::intptr_t value, std::intptr_t extra)
{
    if (destination == nullptr || source == nullptr || flags == nullptr)
        return kMissing;
    FCPathName to(destination);
    FCPathName from(source);
    std::uint32_t sourceStatus = status(from.text());
    if ((sourceStatus & STATUS_EXISTS) == 0)
        return kMissing;
    if (progress != nullptr &&
        progress(3, reinterpret_cast<std::intptr_t>(to.text()),
                 reinterpret_cast<std::intptr_t>(from.text())) == 0)
        return finish(progress, kAborted);
    int result = (sourceStatus & FILE_ATTRIBUTE_DIRECTORY) != 0
                     ? copyFolder(to, from, flags, progress, value, extra)
                     : copyFile(source, sourceStatus, to, from, flags, progress, value, extra);
    return finish(progress, result);
}

bool FCFileUty::remove(const char* path, int force, Progress progress, RemoveHandler handler,
                       std::intptr_t value)
{
    int shared = force;
    return removeEntry(path, &shared, progress, handler, value) == kDone;
}

int FCFileUty::removeEntry(const char* path, int* force, Progress progress, RemoveHandler handler,
                           std::intptr_t value)
{
    if (path == nullptr || force == nullptr)
        return kMissing;
    if (handler == nullptr)
        handler = defaultRemoveHandler;
    FCPathName item(path);
    if (!isFolderPath(item))
        return removeItem(item, false, force, handler, value,
                          [](const char* p) { return DeleteFileA(p) != FALSE; });
    {
        FCFileEnumeration entries;
        entries.open(joined(item.text(), "*.*").text());
        while (entries.findNext()) {
            FCString entry(entries.fullPath());
            if (removeEntry(entry.text(), force, progress, handler, value) == kAborted)
                return kAborted;
            workBreak();
        }
    }
    return removeItem(item, true, force, handler, value,
                      [](const char* p) { return RemoveDirectoryA(p) != FALSE; });
}

int FCFileUty::defaultRemoveHandler(std::uint32_t flags, DWORD* error, const char* path, int,
                                    std::intptr_t)
{
    DWORD code = error != nullptr ? *error : 0;
    auto box = [path](const char* fragment, UINT buttons) {
        return ask(joined(path, fragment), texts::kCaptionUtyRemove, buttons);
    };
    auto withCode = [path, code](const char* fragment) {
        FCString text = joined(path, fragment);
        text.append(texts::kErrorCode);
        text.appendUnsigned(code);
        return ask(text, texts::kCaptionUtyRemove, MB_OK);
    };
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        withCode(texts::kRemoveNotFound);
        return kAborted;
    case ERROR_ACCESS_DENIED:
        if ((flags & 0x10000u) != 0 || !hasAttributes(path, FILE_ATTRIBUTE_READONLY)) {
            box(texts::kRemoveAccessDenied, MB_OK);
            return kAborted;
        }
        if (box(texts::kRemoveReadOnly, MB_YESNO) == IDYES)
            return kForceAndRetry;
        return ask(FCString(texts::kRemoveStopAsking), texts::kCaptionUtyRemove, MB_YESNO) == IDYES
                   ? kAborted
                   : 2;
    case ERROR_SHARING_VIOLATION:
        return box(texts::kRemoveInUse, MB_RETRYCANCEL) == IDRETRY ? kRetry : 2;
    case ERROR_DIR_NOT_EMPTY:
        return box(texts::kRemoveNotEmpty, MB_YESNO) == IDYES ? kAborted : 2;
    default:
        withCode(texts::kRemoveFailed);
        return kAborted;
    }
}

void FCFileUty::setPartsFolder(const char* folder)
{
    partsFolder().clear();
    if (folder == nullptr || *folder == '\0')
        return;
    FCPathName path(folder);
    path.addSeparator();
    partsFolder() = path.text();
    partsFolder().append(kPartsFolderName);
    partsFolder().append("\\");
}

FCString FCFileUty::partNameOf(const char* path)
{
    FCPathName file(path);
    FCString part = partsFolderOf(file);
    part.append(file.fileName().text());
    return part;
}

FCString FCFileUty::makePartName(const char* path)
{
    FCPathName file(path);
    FCString folder = partsFolderOf(file);
    FCString part(folder);
    part.append(file.fileName().text());
    if (CreateDirectoryA(folder.text(), nullptr) != FALSE || GetLastError() == ERROR_ALREADY_EXISTS) {
        std::vector<std::string>& made = partFolders();
        if (std::find(made.begin(), made.end(), folder.text()) == made.end())
            made.emplace_back(folder.text());
    }
    return part;
}

void FCFileUty::removePartFolders()
{
    // What is in them is ours: a part that an ended run left behind.
    for (const std::string& folder : partFolders()) {
        FCFileEnumeration parts;
        parts.open(joined(folder.c_str(), "*").text());
        while (parts.findNext())
            DeleteFileA(parts.fullPath().text());
        parts.close();
        RemoveDirectoryA(folder.c_str());
    }
    partFolders().clear();
}

bool FCFileUty::copyWhole(const char* destination, const char* source)
{
    FCString part;
    if (!copyToPart(source, destination, part))
        return false;
    if (moveOver(part.text(), destination))
        return true;
    DeleteFileA(part.text());
    return false;
}

bool FCFileUty::mayReplace(const char* destination, std::intptr_t value)
{
    FCPathName path(destination);
    if (!exists(path))
        return true;
    int force = 1;
    return removeItem(path, false, &force, defaultRemoveHandler, value, mayBeDeleted) == kDone;
}

bool FCFileUty::putInPlace(const char* part, const char* destination, std::intptr_t value)
{
    FCPathName path(destination);
    int force = 1;
    if (removeItem(path, false, &force, defaultRemoveHandler, value,
                   [part](const char* target) { return moveOver(part, target); }) == kDone)
        return true;
    DeleteFileA(part);
    return false;
}

bool FCFileUty::move(const char* from, const char* to, bool replace)
{
    FCPathName source(from);
    FCPathName target(to);
    if (lowerCase(source.text()).equals(lowerCase(target.text())))
        return true;
    return MoveFileExA(source.text(), target.text(), replace ? MOVEFILE_REPLACE_EXISTING : 0) != FALSE;
}

bool FCFileUty::isOlder(const char* path, const char* other)
{
    FCFile first(path, OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ, FILE_ATTRIBUTE_NORMAL);
    FCFile second(other, OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ, FILE_ATTRIBUTE_NORMAL);
    FILETIME a = *first.fileTime(FCFile::kLastWrite, false);
    FILETIME b = *second.fileTime(FCFile::kLastWrite, false);
    return CompareFileTime(&a, &b) < 0;
}

bool FCFileUty::hasAttributes(const char* path, DWORD mask)
{
    DWORD attributes = GetFileAttributesA(FCPathName(path).text());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & mask) == mask;
}

bool FCFileUty::clearAttributes(const char* path, DWORD mask)
{
    FCPathName item(path);
    DWORD attributes = GetFileAttributesA(item.text());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & mask) == 0)
        return false;
    return SetFileAttributesA(item.text(), attributes & ~mask) != FALSE;
}

std::uint32_t FCFileUty::status(const char* path)
{
    FCPathName item(path);
    DWORD attributes = GetFileAttributesA(item.text());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_ACCESS_DENIED ? STATUS_EXISTS | STATUS_ACCESS_DENIED : 0;
    std::uint32_t word = STATUS_EXISTS | (attributes & 0xFFFu);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return word;
    for (DWORD share : {DWORD(0), DWORD(FILE_SHARE_READ)}) {
        HANDLE file = CreateFileA(item.text(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return share == 0 ? word : word | STATUS_SHARED;
        }
    }
    return word | STATUS_LOCKED;
}

bool FCFileUty::existingPrefix(const char* path, FCString& out)
{
    if (path == nullptr)
        return false;
    const char* text = path;
    const char* end = text + std::char_traits<char>::length(text);
    // The first component: a network path's server and share together,
    // else everything up to the first separator.
    const char* cut;
    if (text[0] == '\\' && text[1] == '\\') {
        const char* serverEnd = mb::findChar(text + 2, '\\');
        if (serverEnd == nullptr || serverEnd == text + 2 || serverEnd[1] == '\0')
            return false;
        const char* shareEnd = mb::findChar(serverEnd + 1, '\\');
        if (shareEnd == serverEnd + 1)
            return false;
        cut = shareEnd != nullptr ? shareEnd + 1 : end;
    } else {
        const char* first = mb::findChar(text, '\\');
        cut = first != nullptr ? first + 1 : end;
    }
    std::string prefix(text, cut);
    if (!FCFile::exists(prefix.c_str()))
        return false;
    std::string last = prefix;
    while (cut < end) {
        const char* next = mb::findChar(cut, '\\');
        cut = next != nullptr ? next + 1 : end;
        std::string partial(text, cut);
        if (!FCFile::exists(partial.c_str()))
            break;
        last = partial;
    }
    out = last.c_str();
    return true;
}
