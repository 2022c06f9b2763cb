#include "SameContent.h"

#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Large enough that a system call costs nothing beside the bytes it
// brings; small enough that two stay in the cache.
constexpr std::size_t kPiece = 1 << 20;

#ifdef _WIN32
class ReadFile_ {
public:
    explicit ReadFile_(const std::filesystem::path& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr))
    {
    }
    ReadFile_(const ReadFile_&) = delete;
    ReadFile_& operator=(const ReadFile_&) = delete;
    ~ReadFile_()
    {
        if (isOpen())
            CloseHandle(handle_);
    }
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    // The bytes read, 0 at the end, -1 on a failure.
    long long read(char* buffer, std::size_t size) const
    {
        DWORD got = 0;
        if (!ReadFile(handle_, buffer, static_cast<DWORD>(size), &got, nullptr))
            return -1;
        return got;
    }

private:
    HANDLE handle_;
};
#else
class ReadFile_ {
public:
    explicit ReadFile_(const std::filesystem::path& path)
        : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC))
    {
        if (isOpen())
            posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    ReadFile_(const ReadFile_&) = delete;
    ReadFile_& operator=(const ReadFile_&) = delete;
    ~ReadFile_()
    {
        if (isOpen())
            close(fd_);
    }
    bool isOpen() const { return fd_ >= 0; }
    long long read(char* buffer, std::size_t size) const
    {
        std::size_t got = 0;
        // A read may bring less than asked before the end.
        while (got < size) {
            ssize_t piece = ::read(fd_, buffer + got, size - got);
            if (piece < 0)
                return -1;
            if (piece == 0)
                break;
            got += static_cast<std::size_t>(piece);
        }
        return static_cast<long long>(got);
    }

private:
    int fd_;
};
#endif

}  // namespace

bool sameContent(const std::filesystem::path& a, const std::filesystem::path& b,
                 const BytesRead& progress)
{
    ReadFile_ first(a);
    ReadFile_ second(b);
    if (!first.isOpen() || !second.isOpen())
        return false;
    static thread_local std::vector<char> bufferA(kPiece);
    static thread_local std::vector<char> bufferB(kPiece);
    for (;;) {
        long long gotA = first.read(bufferA.data(), kPiece);
        long long gotB = second.read(bufferB.data(), kPiece);
        if (gotA < 0 || gotA != gotB)
            return false;
        if (gotA == 0)
            return true;
        if (progress)
            progress(static_cast<std::uint64_t>(gotA));
        if (std::memcmp(bufferA.data(), bufferB.data(), static_cast<std::size_t>(gotA)) != 0)
            return false;
    }
}
