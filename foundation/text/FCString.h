// FCString: the one text type of the program.
//
// A reference-counted, copy-on-write string of multibyte characters in the
// ANSI code page, with a cursor of its own.  Every parser of the program is a
// sequence of cursor operations on an FCString: skip a set of characters, cut
// the next token or field, read a number at the cursor.
//
// Positions are pointers into the text and stay valid until the text
// changes; "the end" is the terminating NUL.  Searches that find nothing put
// the cursor at the end and return nullptr.  A character is one byte or a
// lead byte with its trail byte; no operation ever splits one.
#pragma once

#include "Diagnostic.h"

#include <cstddef>
#include <cstdint>

// The shared representation of one text.
class FCStringRep {
public:
    // Builds a representation holding first followed by second (byte ranges;
    // the text may contain any bytes).  Throws NotEnoughMemoryException with
    // failCaption when the buffer cannot be had.
    FCStringRep(std::int32_t blockSize, const char* first, std::size_t firstLength,
                const char* second, std::size_t secondLength, const char* failCaption);
    FCStringRep(const FCStringRep&) = delete;
    FCStringRep& operator=(const FCStringRep&) = delete;
    virtual ~FCStringRep();

    // Buffer size for a text of this length: a whole number of blocks with
    // room for the NUL.
    static std::int32_t capacityFor(std::int32_t blockSize, std::int32_t length);

    volatile std::int32_t refCount = 0;
    std::int32_t length = 0;
    std::int32_t capacity = 0;
    std::int32_t blockSize = 0;
    char* buffer = nullptr;
};

class FCString {
public:
    static constexpr std::int32_t kDefaultBlockSize = 256;

    FCString();
    FCString(const char* text);  // NOLINT: a plain text converts to a string
    FCString(const FCString& other);
    FCString& operator=(const FCString& other);
    FCString& operator=(const char* text);
    virtual ~FCString();

    // --- construction and access ---------------------------------------
    void create(std::int32_t blockSize, const char* text);
    const char* text() const { return rep_->buffer; }
    std::int32_t length() const { return rep_->length; }
    std::int32_t blockSize() const { return rep_->blockSize; }
    std::int32_t capacity() const { return rep_->capacity; }
    bool empty() const { return rep_->length == 0; }
    // The text from the cursor to the end; the cursor's position.
    const char* rest() const { return cursor_; }
    void rewind() { cursor_ = rep_->buffer; }
    // Puts the cursor on a position of this string's text (clamped to it).
    void setCursor(const char* position);
    bool equals(const char* text) const;
    bool equals(const FCString& other) const;
    bool sharesTextWith(const FCString& other) const { return rep_ == other.rep_; }

    // --- changing the text -----------------------------------------------
    void append(const char* text);
    void append(const char* text, std::int32_t maxBytes);
    void prepend(const char* text);
    void clear();
    void toLower();
    void toUpper();
    // -2 escapes for HTML, -3 undoes that; any other value is a set of
    // LCMapString flags applied with the system default locale.
    void convert(std::int32_t mode);
    int replace(const char* what, const char* with);
    void setInt(std::int32_t value);
    void appendInt(std::int32_t value, int base = 10, int width = 0, char pad = ' ');
    void appendUnsigned(std::uint32_t value, int base = 10, int width = 0, char pad = ' ');

    // --- cursor ------------------------------------------------------------
    std::int32_t currentChar() const;
    bool next();
    bool prev();
    // origin 0 = start, 1 = cursor, 2 = end; the code at the cursor, or 0
    // when a step failed.
    std::uint32_t move(std::int32_t count, int origin);
    const char* findChar(unsigned code);
    const char* findAny(const char* set);
    const char* findLastOf(const char* set);
    const char* skipSet(const char* set, bool backward = false, const char* limit = nullptr);
    const char* find(const char* what, const char* tokenDelims = nullptr);
    bool startsWithDigit() const;
    // Copies the bytes from..to (both included; nullptr = start / end) into
    // out.  A position outside the text copies nothing, shows the string
    // class's diagnostic box and returns false.
    bool copyRange(FCString& out, const char* from, const char* to) const;

    // --- numbers -------------------------------------------------------------
    std::int32_t toInt(bool fromCursor = false) const;
    std::uint32_t toUnsigned(bool fromCursor = false) const;

    // Shows "<text>でエラーが発生しました…" with the thread's last error code.
    static void showLastError(const char* text);

    // --- scanning --------------------------------------------------------------
    const char* cutToken(FCString& out, const char* delims, bool includeDelim = false);
    int nextField(FCString& out, const char* delims, bool keepEmpty, std::int32_t* outDelim = nullptr);
    int splitFields(FCString* fields, int count, const char* delims, int flags, const char* skipChars,
                    int* outResult, std::int32_t* outDelim);
    int splitFields(FCString* fields, int count, const char* delims, bool restInLast, bool keepEmpty,
                    const char* skipChars);
    bool readLine(FCString& out, int flags);
    bool readLine(FCString& out, bool skipBlanks, bool fullWidthBlanks);

    // Replaces the text by a copy of the given bytes (block size kept when
    // blockSize is 0).  Any bytes may be given, NUL included.
    void assign(const char* bytes, std::size_t count, std::int32_t blockSize = 0);

private:
    const char* end() const { return rep_->buffer + rep_->length; }
    bool atEnd() const { return *cursor_ == '\0'; }
    bool shared() const { return rep_->refCount > 1; }
    // Releases the current representation and takes rep; cursor to the start.
    void adopt(FCStringRep* rep);
    void release();
    // Gives the string a representation of its own when it shares one.
    void detach();
    void appendBytes(const char* bytes, std::size_t count, const char* failCaption);
    void assignBytes(const char* bytes, std::size_t count, std::int32_t blockSize,
                     const char* failCaption);
    void changeCase(bool toUpper);

    FCStringRep* rep_;
    const char* cursor_;
};
