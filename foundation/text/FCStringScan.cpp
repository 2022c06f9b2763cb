// The scanning operations of FCString: tokens, fields, field splitting and
// line reading, all consuming text from the cursor.  Their out strings are
// always other strings than the one scanned.
#include "FCString.h"

#include "MbText.h"
#include "Texts.h"

namespace {

const char kLineBreaks[] = "\r\n";
const char kFullWidthBlank[] = "\201@";  // 　 (code page 932 0x8140)

}  // namespace

const char* FCString::cutToken(FCString& out, const char* delims, bool includeDelim)
{
    // Leading delimiters are skipped, so a run of them counts as one and an
    // empty token is never returned.
    const char* start = skipSet(delims);
    if (start == nullptr)
        return nullptr;
    if (findAny(delims) != nullptr && includeDelim)
        cursor_ = mb::next(cursor_);
    out.assignBytes(start, static_cast<std::size_t>(cursor_ - start), 32, texts::kCaptionString);
    return start;
}

int FCString::nextField(FCString& out, const char* delims, bool keepEmpty, std::int32_t* outDelim)
{
    const char* start;
    if (keepEmpty) {
        if (atEnd())
            return 0;
        start = cursor_;
    } else {
        start = skipSet(delims);
        if (start == nullptr)
            return 0;
    }
    bool delimiterFound = findAny(delims) != nullptr;
    if (outDelim != nullptr)
        *outDelim = static_cast<std::int32_t>(move(0, 1));
    std::size_t count = static_cast<std::size_t>(cursor_ - start);
    if (count == 0)
        out.clear();
    else
        out.assignBytes(start, count, kDefaultBlockSize, texts::kCaptionString);
    if (!delimiterFound)
        return 1;
    cursor_ = mb::next(cursor_);
    return (atEnd() && keepEmpty) ? 2 : 1;
}

int FCString::splitFields(FCString* fields, int count, const char* delims, int flags,
                          const char* skipChars, int* outResult, std::int32_t* outDelim)
{
    const bool keepEmpty = (flags & 1) != 0;
    const bool restInLast = (flags & 2) != 0;
    int i = 0;
    int result = 0;
    while (i < count) {
        if (skipChars != nullptr)
            skipSet(skipChars);
        if (restInLast && i == count - 1) {
            fields[i].assignBytes(cursor_, static_cast<std::size_t>(end() - cursor_),
                                  kDefaultBlockSize, texts::kCaptionString);
            cursor_ = end();
            result = 1;
            ++i;
            break;
        }
        result = nextField(fields[i], delims, keepEmpty, outDelim);
        if (result == 0)
            break;
        ++i;
        if (result == 2 && i < count) {
            // A delimiter closed the text: with empty fields kept, the empty
            // field behind it counts too.
            if (keepEmpty) {
                fields[i].clear();
                ++i;
            }
            result = 1;
            break;
        }
    }
    if (outResult != nullptr)
        *outResult = result;
    return i;
}

int FCString::splitFields(FCString* fields, int count, const char* delims, bool restInLast,
                          bool keepEmpty, const char* skipChars)
{
    return splitFields(fields, count, delims, (restInLast ? 2 : 0) | (keepEmpty ? 1 : 0), skipChars,
                       nullptr, nullptr);
}

bool FCString::readLine(FCString& out, int flags)
{
    std::string blanks;
    bool keepEmpty;
    if ((flags & 0x8000) != 0) {
        if ((flags & 0x100) != 0)
            blanks += '\t';
        if ((flags & 0x200) != 0)
            blanks += ' ';
        if ((flags & 0x400) != 0)
            blanks += kFullWidthBlank;
        keepEmpty = (flags & 0x4000) != 0;
    } else {
        if ((flags & 1) != 0) {
            blanks = " \t";
            if ((flags & 2) != 0)
                blanks += kFullWidthBlank;
        }
        keepEmpty = (flags & 0x10) != 0;
    }
    if (blanks.empty())
        return nextField(out, kLineBreaks, keepEmpty) != 0;

    FCString line;
    while (nextField(line, kLineBreaks, keepEmpty) != 0) {
        const char* content = line.skipSet(blanks.c_str());
        std::size_t count = content ? static_cast<std::size_t>(line.end() - content) : 0;
        // A line of blanks only is no line, unless empty lines are kept; out
        // keeps its text until a line is found.
        if (count == 0 && !keepEmpty)
            continue;
        out.assignBytes(content, count, kDefaultBlockSize, texts::kCaptionString);
        return true;
    }
    return false;
}

bool FCString::readLine(FCString& out, bool skipBlanks, bool fullWidthBlanks)
{
    return readLine(out, (skipBlanks ? 1 : 0) | (fullWidthBlanks ? 2 : 0));
}
