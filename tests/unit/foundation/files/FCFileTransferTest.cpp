#include "ExpectedTexts.h"
#include "tests/support/TestFiles.h"

#include "foundation/files/FCFile.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string text(const FCString& s)
{
    return std::string(s.text(), static_cast<std::size_t>(s.length()));
}

std::string decimal(HANDLE handle)
{
    return std::to_string(reinterpret_cast<std::uintptr_t>(handle));
}

TEST(FCFileTexts, EveryErrorCodeHasItsFragmentBehindTheName)
{
    const char* p = "C:\\d\\f.txt";
    struct Case {
        std::uint32_t code;
        std::string open, read, write;
    } cases[] = {
        {2, expected::kOpenNotFound, expected::kReadUnknown + std::string("2\nFile handle : 1234"),
         expected::kWriteUnknown + std::string("2")},
        {3, expected::kOpenPathNotFound, expected::kReadUnknown + std::string("3\nFile handle : 1234"),
         expected::kWriteUnknown + std::string("3")},
        {5, expected::kOpenAccessDenied, expected::kReadAccessDenied, expected::kWriteAccessDenied},
        {21, expected::kNotReady, expected::kNotReady, expected::kNotReady},
        {31, expected::kGeneralFailure, expected::kGeneralFailure, expected::kGeneralFailure},
        {32, expected::kOpenSharing, expected::kTransferSharing, expected::kTransferSharing},
        {33, expected::kOpenUnknown + std::string("33"), expected::kTransferLock,
         expected::kTransferLock},
        {53, expected::kOpenNetwork, expected::kReadUnknown + std::string("53\nFile handle : 1234"),
         expected::kWriteUnknown + std::string("53")},
        {67, expected::kOpenNetwork, expected::kReadUnknown + std::string("67\nFile handle : 1234"),
         expected::kWriteUnknown + std::string("67")},
        {2118, expected::kOpenNetworkRights,
         expected::kReadUnknown + std::string("2118\nFile handle : 1234"),
         expected::kWriteUnknown + std::string("2118")},
        {4294967295u, expected::kOpenUnknown + std::string("4294967295"),
         expected::kReadUnknown + std::string("4294967295\nFile handle : 1234"),
         expected::kWriteUnknown + std::string("4294967295")},
    };
    HANDLE handle = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(1234));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(printable(text(FCFile::openErrorText(p, c.code))), printable(p + c.open));
        EXPECT_EQ(printable(text(FCFile::readErrorText(p, c.code, handle))), printable(p + c.read));
        EXPECT_EQ(printable(text(FCFile::writeErrorText(p, c.code))), printable(p + c.write));
    }
    // The handle is shown with all its bits, however wide it is.
    HANDLE wide = reinterpret_cast<HANDLE>(~static_cast<std::uintptr_t>(0));
    std::string all = sizeof(HANDLE) == 8 ? "18446744073709551615" : "4294967295";
    EXPECT_EQ(text(FCFile::readErrorText("", 9, wide)),
              expected::kReadUnknown + std::string("9\nFile handle : ") + all);
}

// Failures that real handles give us: each is asked about, Retry repeats
// the call (a second box), and Cancel throws with the file's name.
TEST(FCFileTransfer, FailedReadsAndWritesAskAndCancelThrows)
{
    TempFolder dir("transfer-failures");
    std::string path = dir / "data.bin";
    writeBytes(path, "0123456789");
    enum Mode { kReadOnly, kWriteOnly, kClosed };
    struct Case {
        const char* what;
        Mode mode;
        bool reading;
        std::function<std::string(const FCFile&)> text;
    } cases[] = {
        {"write to a file opened for reading", kReadOnly, false,
         [&](const FCFile&) { return path + expected::kWriteAccessDenied; }},
        {"read from a file opened for writing", kWriteOnly, true,
         [&](const FCFile&) { return path + expected::kReadAccessDenied; }},
        {"read from a closed file", kClosed, true,
         [&](const FCFile& f) {
             return expected::kReadUnknown + std::string("6\nFile handle : ") + decimal(f.handle());
         }},
        {"write to a closed file", kClosed, false,
         [&](const FCFile&) { return expected::kWriteUnknown + std::string("6"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedUser user;
        FCFile file;
        if (c.mode == kReadOnly) {
            ASSERT_EQ(file.openForRead(path.c_str()), 0u);
        }
        if (c.mode == kWriteOnly) {
            ASSERT_EQ(file.openForWrite(path.c_str()), 0u);
        }
        std::string name = text(file.name());
        const char* caption = c.reading ? "FCFile - read" : "FCFile - write";
        user.expectBox(caption, c.text(file), IDRETRY);
        user.expectBox(caption, c.text(file), IDCANCEL);
        char buffer[4] = {'a', 'b', 'c', 'd'};
        try {
            if (c.reading)
                file.read(buffer, sizeof buffer);
            else
                file.write(buffer, sizeof buffer);
            ADD_FAILURE() << "no exception";
        } catch (const CannotReadException& e) {
            EXPECT_TRUE(c.reading);
            EXPECT_STREQ(e.caption(), "cannot read");
            EXPECT_EQ(std::string(e.message()), name);
        } catch (const CannotWriteException& e) {
            EXPECT_FALSE(c.reading);
            EXPECT_STREQ(e.caption(), "cannot write");
            EXPECT_EQ(std::string(e.message()), name);
        }
        EXPECT_EQ(user.pending(), 0u);
    }
    EXPECT_EQ(readBytes(path), "0123456789");
}

TEST(FCFileTransfer, AReadAtTheEndGivesNothingAndAsksNothing)
{
    TempFolder dir("transfer-end");
    std::string path = dir / "short.txt";
    writeBytes(path, "ab");
    ScriptedUser user;
    FCFile file;
    ASSERT_EQ(file.openForRead(path.c_str()), 0u);
    char buffer[8];
    EXPECT_EQ(file.read(buffer, sizeof buffer), 2u);
    EXPECT_EQ(file.read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(file.read(buffer, 0), 0u);
}

TEST(FCFileTransfer, SizeCountsPastFourGigabytesAndIsZeroWithoutAFile)
{
    TempFolder dir("transfer-size");
    struct Case {
        std::uint64_t size;
    } cases[] = {{0}, {10}, {(std::uint64_t{5} << 30) + 7}};
    FCFile file;
    EXPECT_EQ(file.size(), 0u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        std::string path = dir / ("f" + std::to_string(c.size));
        makeLargeFile(path, c.size);
        ASSERT_EQ(file.openForRead(path.c_str()), 0u);
        EXPECT_EQ(file.size(), c.size);
    }
    file.close();
    EXPECT_EQ(file.size(), 0u);
}

TEST(FCFileTransfer, CloseEmptiesTheNameOnceAndOpeningAgainLetsTheFirstFileGo)
{
    TempFolder dir("transfer-close");
    std::string first = dir / "first.txt";
    std::string second = dir / "second.txt";
    writeBytes(first, "1");
    writeBytes(second, "2");

    FCFile never;
    never.close();
    never.close();
    EXPECT_FALSE(never.isOpen());
    EXPECT_TRUE(never.name().empty());

    FCFile file;
    ASSERT_EQ(file.openForRead(first.c_str()), 0u);
    ASSERT_EQ(file.openForRead(second.c_str()), 0u);
    // Shared for reading only, first could not be deleted while open.
    EXPECT_TRUE(DeleteFileA(first.c_str())) << GetLastError();
    EXPECT_EQ(text(file.name()), second);
    file.close();
    EXPECT_EQ(file.handle(), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(file.name().empty());
    file.close();
    EXPECT_TRUE(file.name().empty());
}

FILETIME fileTimeOf(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME s = {};
    s.wYear = static_cast<WORD>(year);
    s.wMonth = static_cast<WORD>(month);
    s.wDay = static_cast<WORD>(day);
    s.wHour = static_cast<WORD>(hour);
    s.wMinute = static_cast<WORD>(minute);
    s.wSecond = static_cast<WORD>(second);
    FILETIME f = {};
    SystemTimeToFileTime(&s, &f);
    return f;
}

std::uint64_t ticks(const FILETIME& f)
{
    return (static_cast<std::uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
}

TEST(FCFileTransfer, FileTimePicksTheKindAndKeepsTheOrderInLocalTime)
{
    TempFolder dir("transfer-times");
    // Only these two can be set here: the Linux file systems under Wine keep
    // no creation time of their own.
    const FILETIME accessed = fileTimeOf(2023, 7, 8, 9, 10, 11);
    const FILETIME written[2] = {fileTimeOf(2022, 4, 5, 6, 7, 8), fileTimeOf(2022, 4, 5, 6, 7, 9)};
    std::uint64_t local[2] = {};
    for (int i = 0; i < 2; ++i) {
        std::string path = dir / ("t" + std::to_string(i));
        writeBytes(path, "t");
        HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0,
                               nullptr);
        ASSERT_TRUE(SetFileTime(h, nullptr, &accessed, &written[i]));
        CloseHandle(h);

        FCFile file;
        ASSERT_EQ(file.openForRead(path.c_str()), 0u);
        struct Case {
            int kind;
            FILETIME utc;
        } cases[] = {{FCFile::kLastWrite, written[i]}, {FCFile::kLastAccess, accessed}, {3, FILETIME{}}};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.kind);
            EXPECT_EQ(ticks(*file.fileTime(c.kind, true)), ticks(c.utc));
            SYSTEMTIME s = {};
            FileTimeToSystemTime(&c.utc, &s);
            EXPECT_EQ(file.systemTime().wYear, s.wYear);
            EXPECT_EQ(file.systemTime().wHour, s.wHour);
            EXPECT_EQ(file.systemTime().wSecond, s.wSecond);
        }
        EXPECT_NE(ticks(*file.fileTime(FCFile::kCreation, true)), 0u);
        // Local time is UTC moved by the zone's bias, whatever the zone is.
        local[i] = ticks(*file.fileTime(FCFile::kLastWrite, false));
        FILETIME shifted;
        FileTimeToLocalFileTime(&written[i], &shifted);
        EXPECT_EQ(local[i], ticks(shifted));
        EXPECT_EQ(ticks(*file.fileTime(3, false)), 0u);
    }
    EXPECT_LT(local[0], local[1]);

    FCFile closed;
    EXPECT_EQ(ticks(*closed.fileTime(FCFile::kLastWrite, false)), 0u);
    EXPECT_EQ(closed.systemTime().wYear, 1601);
}

TEST(FCFileTransfer, CopyToMovesTheRangeBetweenThePositions)
{
    TempFolder dir("transfer-copy");
    std::string source(10000, '\0');
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<char>('A' + i % 26);
    writeBytes(dir / "source.bin", source);
    const std::string targetBefore(64, '.');
    struct Case {
        std::uint32_t from, count, chunk, at;
        std::uint32_t copied;
    } cases[] = {
        {0, 100, 4096, 0, 100},         // less than a chunk
        {17, 9000, 4096, 5, 9000},      // three chunks, the last one short
        {1, 4096, 4096, 64, 4096},      // exactly one chunk, behind the target's end
        {9990, 100, 64, 3, 10},         // the source ends first
        {10000, 100, 64, 0, 0},         // at the source's end
        {0, 0, 4096, 0, 0},             // nothing asked
        {0, 100, 0, 0, 0},              // no buffer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + "+" + std::to_string(c.count) + " chunk " +
                     std::to_string(c.chunk));
        writeBytes(dir / "target.bin", targetBefore);
        FCFile in;
        FCFile out;
        ASSERT_EQ(in.openForRead((dir / "source.bin").c_str()), 0u);
        ASSERT_EQ(out.openForWrite((dir / "target.bin").c_str()), 0u);
        SetFilePointer(in.handle(), static_cast<LONG>(c.from), nullptr, FILE_BEGIN);
        SetFilePointer(out.handle(), static_cast<LONG>(c.at), nullptr, FILE_BEGIN);
        EXPECT_EQ(in.copyTo(out, c.count, c.chunk), c.copied);
        EXPECT_EQ(positionOf(in.handle()), c.from + c.copied);
        in.close();
        out.close();
        std::string expectedTarget = targetBefore;
        std::string range = source.substr(c.from, c.copied);
        if (expectedTarget.size() < c.at + range.size())
            expectedTarget.resize(c.at + range.size());
        expectedTarget.replace(c.at, range.size(), range);
        EXPECT_EQ(readBytes(dir / "target.bin"), expectedTarget);
    }
}

}  // namespace
