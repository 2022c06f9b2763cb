#include "ExpectedTexts.h"
#include "tests/support/TestFiles.h"

#include "foundation/files/TextFile.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::string bytesOf(const FCString& s)
{
    return std::string(s.text(), static_cast<std::size_t>(s.length()));
}

FCString stringOf(const std::string& bytes)
{
    FCString s;
    s.assign(bytes.data(), bytes.size());
    return s;
}

// Japanese text, both line ends, a NUL and the bytes at the ends of the range.
const std::string kMixed = std::string("\223\372\226{\214\352\r\nline\n\0tail\xFF\x80\x01", 20);

TEST(TextFile, ATextComesBackByteForByte)
{
    TempFolder dir("text-plain");
    std::string path = dir / "text.txt";
    ScriptedUser user;
    for (const std::string& bytes : {kMixed, std::string(), std::string(70000, 'x')}) {
        SCOPED_TRACE(bytes.size());
        EXPECT_TRUE(writeFile(stringOf(bytes), path.c_str()));
        EXPECT_EQ(readBytes(path), bytes);
        FCString back("old");
        back.move(2, 0);
        EXPECT_TRUE(readFile(back, path.c_str()));
        EXPECT_EQ(bytesOf(back), bytes);
        EXPECT_EQ(back.rest(), back.text());
    }
}

TEST(TextFile, WritingByNameCutsOffWhatTheFileHeldBeyondTheText)
{
    TempFolder dir("text-cut");
    std::string path = dir / "text.txt";
    writeBytes(path, std::string(100, '#'));
    ScriptedUser user;
    EXPECT_TRUE(writeFile(FCString("short"), path.c_str()));
    EXPECT_EQ(readBytes(path), "short");
}

TEST(TextFile, ReadingStartsAtThePositionAndTakesAtMostTheCount)
{
    TempFolder dir("text-position");
    std::string path = dir / "digits.txt";
    writeBytes(path, "0123456789");
    struct Case {
        long from;
        std::uint32_t count;
        std::string text;
    } cases[] = {
        {0, 0, "0123456789"}, {3, 4, "3456"}, {3, 0, "3456789"},
        {3, 100, "3456789"},  {10, 0, ""},    {12, 5, ""},
    };
    ScriptedUser user;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + "+" + std::to_string(c.count));
        FCFile file;
        ASSERT_EQ(file.openForRead(path.c_str()), 0u);
        SetFilePointer(file.handle(), c.from, nullptr, FILE_BEGIN);
        FCString text("old");
        EXPECT_TRUE(readFile(text, file, c.count));
        EXPECT_EQ(bytesOf(text), c.text);
        EXPECT_EQ(positionOf(file.handle()), static_cast<std::uint64_t>(c.from) + c.text.size());
    }
}

// What the settings file relies on: its first lines stay plain text in the
// file, the rest is scrambled, and the same key and skipLines bring the
// text back.
TEST(TextFile, AKeyScramblesAllButTheFirstLinesAndBringsThemBack)
{
    TempFolder dir("text-key");
    std::string path = dir / "settings.dat";
    std::string body;
    for (int i = 0; i < 1000; ++i)
        body += static_cast<char>(i * 7);
    struct Case {
        std::string text;
        std::uint32_t key;
        std::int32_t skipLines;
        std::size_t plainBytes;  // how much of the file is the text as it is
    } cases[] = {
        {"12345\r\n" + kMixed, 12345, 1, 7},
        {"a\nb\n" + body, 0xFFFFFFFFu, 2, 4},
        {body, 0, 0, 0},
        {"only one line\n", 9, 1, 14},    // ends right after the line feed
        {"no line feed", 9, 1, 12},
        {"a\nb", 9, 5, 3},                // fewer lines than skipped
    };
    ScriptedUser user;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        FCString text = stringOf(c.text);
        FCString sharer = text;
        {
            FCFile file;
            ASSERT_EQ(file.openForUpdate(path.c_str()), 0u);
            SetEndOfFile(file.handle());
            EXPECT_TRUE(writeFile(text, file, c.key, c.skipLines));
        }
        // The string in memory, and every string sharing it, is unchanged.
        EXPECT_EQ(bytesOf(text), c.text);
        EXPECT_EQ(bytesOf(sharer), c.text);

        std::string stored = readBytes(path);
        ASSERT_EQ(stored.size(), c.text.size());
        EXPECT_EQ(stored.substr(0, c.plainBytes), c.text.substr(0, c.plainBytes));
        if (c.plainBytes < c.text.size()) {
            EXPECT_NE(stored.substr(c.plainBytes), c.text.substr(c.plainBytes));
        }

        FCFile file;
        ASSERT_EQ(file.openForRead(path.c_str()), 0u);
        FCString back;
        EXPECT_TRUE(readFile(back, file, 0, c.key, c.skipLines));
        EXPECT_EQ(bytesOf(back), c.text);
        // Without the key the scrambled bytes are what there is.
        SetFilePointer(file.handle(), 0, nullptr, FILE_BEGIN);
        EXPECT_TRUE(readFile(back, file));
        EXPECT_EQ(bytesOf(back), stored);
    }
}

// A write that the user gives up on must not leave the text scrambled.
TEST(TextFile, AFailedScrambledWriteLeavesTheTextAsItWas)
{
    TempFolder dir("text-failed-write");
    std::string path = dir / "settings.dat";
    writeBytes(path, "");
    FCString text = stringOf("7\r\nsecret part");
    FCString sharer = text;
    ScriptedUser user;
    FCFile file;
    ASSERT_EQ(file.openForRead(path.c_str()), 0u);
    user.expectBox("FCFile - write", path + expected::kWriteAccessDenied, IDCANCEL);
    EXPECT_THROW(writeFile(text, file, 7u, 1), CannotWriteException);
    EXPECT_EQ(bytesOf(text), "7\r\nsecret part");
    EXPECT_EQ(bytesOf(sharer), "7\r\nsecret part");
}

// Contents that a 32-bit length cannot count are found out before anything
// is read or allocated; the text and the file's position stay as they were.
TEST(TextFile, AContentTooLargeForAStringLeavesTheTextAlone)
{
    TempFolder dir("text-large");
    ScriptedUser user;
    for (std::uint64_t size : {std::uint64_t{1} << 31, (std::uint64_t{5} << 30) + 3}) {
        SCOPED_TRACE(size);
        std::string path = dir / ("large" + std::to_string(size));
        makeLargeFile(path, size);
        FCFile file;
        ASSERT_EQ(file.openForRead(path.c_str()), 0u);
        FCString text("kept");
        text.move(2, 0);
        EXPECT_FALSE(readFile(text, file));
        EXPECT_STREQ(text.text(), "kept");
        EXPECT_STREQ(text.rest(), "pt");
        EXPECT_EQ(positionOf(file.handle()), 0u);
        // A count within reach reads from the same file.
        EXPECT_TRUE(readFile(text, file, 5));
        EXPECT_EQ(bytesOf(text), std::string(5, '\0'));
    }
}

TEST(TextFile, WithoutAnOpenFileNothingHappens)
{
    FCFile closed;
    FCString text("kept");
    EXPECT_FALSE(readFile(text, closed));
    EXPECT_FALSE(readFile(text, closed, 4, 1u, 0));
    EXPECT_FALSE(writeFile(text, closed));
    EXPECT_FALSE(writeFile(text, closed, 1u, 0));
    EXPECT_STREQ(text.text(), "kept");
}

TEST(TextFile, ReadingAMissingFileAsksAndCancelThrowsWithTheTextKept)
{
    TempFolder dir("text-missing");
    std::string path = dir / "missing.txt";
    ScriptedUser user;
    user.expectBox("FCFile - open", path + expected::kOpenNotFound, IDCANCEL);
    FCString text("kept");
    EXPECT_THROW(readFile(text, path.c_str()), CannotOpenException);
    EXPECT_STREQ(text.text(), "kept");
}

}  // namespace
