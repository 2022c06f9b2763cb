// FCFile: one Win32 file handle and the name under which it was opened.
//
// Its trait is how it fails: a failed open, read or write shows the user a
// Japanese box naming the file and the cause, with Retry and Cancel.  Retry
// repeats the very same system call; Cancel throws CannotOpenException,
// CannotReadException or CannotWriteException.  Callers therefore never test
// for errors: an operation succeeds or an exception leaves it.
//
// Every path is first taken into an FCPathName and used in the form it
// resolves to.  A path whose extension is "lnk" (in any letter case) names a
// shell shortcut, and the shortcut's target is what gets opened.
#pragma once

#include "FileExceptions.h"

#include "foundation/text/FCString.h"

#include <windows.h>

#include <cstdint>

class FCFile {
public:
    // The chunk in which the range-copy command moves its bytes.
    static const std::uint32_t kCopyChunkSize = 4194304;

    // What fileTime picks.
    enum TimeKind { kLastWrite = 0, kCreation = 1, kLastAccess = 2 };

    FCFile();
    // Opens at once: open(path, disposition, access, share, flags, false).
    FCFile(const char* path, DWORD disposition, DWORD access, DWORD share, DWORD flags);
    FCFile(const FCFile&) = delete;
    FCFile& operator=(const FCFile&) = delete;
    virtual ~FCFile();

    // Closes whatever is open, then opens path with these CreateFileA values
    // (no security attributes, no template).  0 when the file is open.  A
    // failure returns its Win32 error code (never 0) when quiet, and shows
    // nothing; otherwise it asks Retry/Cancel until the open succeeds (0) or
    // the user gives up (CannotOpenException).
    std::uint32_t open(const char* path, DWORD disposition, DWORD access, DWORD share,
                       DWORD flags, bool quiet);
    // An existing file, read access, shared for reading.
    std::uint32_t openForRead(const char* path);
    // An existing file, write access, shared for reading.
    std::uint32_t openForWrite(const char* path);
    // Created when missing, read and write access, shared for reading.
    std::uint32_t openForUpdate(const char* path);
    // Closes the handle and empties the name; nothing when no file is open.
    void close();
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    // One ReadFile / WriteFile from the current position; the bytes moved
    // (0 at the end of the file).  A short transfer is not an error.
    std::uint32_t read(void* buffer, std::uint32_t count);
    std::uint32_t write(const void* buffer, std::uint32_t count);
    // Writes all count bytes in as many calls as it takes; false when the
    // system stops taking them.
    bool writeAll(const void* buffer, std::uint32_t count);

    // The length of the open file; 0 when none is open or the system cannot
    // tell.
    std::uint64_t size() const;
    // One of the file's times (TimeKind), in local time unless keepUtc; the
    // zero time for an unknown kind or when the system has none.  The same
    // moment, broken down, is in systemTime() afterwards.
    const FILETIME* fileTime(int kind, bool keepUtc);
    const SYSTEMTIME& systemTime() const { return systemTime_; }

    // Copies count bytes from this file's position to target's position,
    // through one heap buffer of at most chunkSize bytes.  The bytes written
    // to target: fewer than count when this file ends first, 0 when no
    // buffer could be had.  This file is left right behind the bytes copied.
    std::uint32_t copyTo(FCFile& target, std::uint32_t count,
                         std::uint32_t chunkSize = kCopyChunkSize);

    HANDLE handle() const { return handle_; }
    // The path that the last open stored (the target for a shortcut).
    const FCString& name() const { return name_; }

    // True when the path exists; its attributes into attributesOut (when
    // given), which is left alone when the path does not exist.
    static bool exists(const char* path, DWORD* attributesOut = nullptr);
    // True when path names an existing folder, or an existing file.
    static bool isFolder(const char* path);
    static bool isFile(const char* path);
    // Creates every missing folder along path (a final "\\" is implied).
    // True when it created at least one and none failed; false when all of
    // them existed, when a creation failed, or when the server and share of
    // a network path do not exist.
    static bool createFolders(const char* path);

    // The texts of the Retry/Cancel boxes: the path or name, then the
    // fragment for the Win32 error code.
    static FCString openErrorText(const char* path, std::uint32_t code);
    static FCString readErrorText(const char* name, std::uint32_t code, HANDLE handle);
    static FCString writeErrorText(const char* name, std::uint32_t code);

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    FCString name_;
    FILETIME time_ = {};
    SYSTEMTIME systemTime_ = {};
};
