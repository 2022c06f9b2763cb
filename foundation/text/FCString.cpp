#include "FCString.h"

#include "MbText.h"
#include "Texts.h"

#include <climits>
#include <cstring>
#include <new>
#include <string>

// ---------------------------------------------------------------------------
// FCStringRep

std::int32_t FCStringRep::capacityFor(std::int32_t blockSize, std::int32_t length)
{
    return blockSize * ((length + 1) / blockSize + 1);
}

FCStringRep::FCStringRep(std::int32_t requestedBlock, const char* first, std::size_t firstLength,
                         const char* second, std::size_t secondLength, const char* failCaption)
{
    blockSize = requestedBlock < 16 ? 16 : requestedBlock;
    std::size_t total = firstLength + secondLength;
    // The sizes are 32-bit: a text that could not be counted in them is
    // memory we cannot give.
    if (total < firstLength || total > static_cast<std::size_t>(INT32_MAX - 2 * blockSize))
        throwNotEnoughMemory(failCaption);
    length = static_cast<std::int32_t>(total);
    capacity = capacityFor(blockSize, length);
    buffer = new (std::nothrow) char[static_cast<std::size_t>(capacity)];
    if (buffer == nullptr)
        throwNotEnoughMemory(failCaption);
    if (firstLength != 0)
        std::memcpy(buffer, first, firstLength);
    if (secondLength != 0)
        std::memcpy(buffer + firstLength, second, secondLength);
    buffer[length] = '\0';
}

FCStringRep::~FCStringRep()
{
    delete[] buffer;
}

namespace {

std::size_t byteLength(const char* text)
{
    return text == nullptr ? 0 : std::strlen(text);
}

}  // namespace

// ---------------------------------------------------------------------------
// Construction, sharing and release

FCString::FCString() : FCString(static_cast<const char*>(nullptr))
{
}

FCString::FCString(const char* text)
    : rep_(new FCStringRep(kDefaultBlockSize, text, byteLength(text), nullptr, 0,
                           texts::kCaptionStringCreate)),
      cursor_(rep_->buffer)
{
    textplatform::interlockedIncrement(&rep_->refCount);
}

FCString::FCString(const FCString& other) : rep_(other.rep_), cursor_(other.cursor_)
{
    textplatform::interlockedIncrement(&rep_->refCount);
}

FCString& FCString::operator=(const FCString& other)
{
    if (rep_ != other.rep_) {
        textplatform::interlockedIncrement(&other.rep_->refCount);
        release();
        rep_ = other.rep_;
    }
    cursor_ = other.cursor_;
    return *this;
}

FCString& FCString::operator=(const char* text)
{
    create(kDefaultBlockSize, text);
    return *this;
}

FCString::~FCString()
{
    release();
}

void FCString::release()
{
    if (textplatform::interlockedDecrement(&rep_->refCount) <= 0)
        delete rep_;
    rep_ = nullptr;
}

void FCString::adopt(FCStringRep* rep)
{
    textplatform::interlockedIncrement(&rep->refCount);
    release();
    rep_ = rep;
    cursor_ = rep_->buffer;
}

void FCString::assignBytes(const char* bytes, std::size_t count, std::int32_t blockSize,
                           const char* failCaption)
{
    // The new text is built before the old one goes, so that a text taken
    // from this string itself stays readable while it is copied.
    adopt(new FCStringRep(blockSize, bytes, count, nullptr, 0, failCaption));
}

void FCString::create(std::int32_t blockSize, const char* text)
{
    assignBytes(text, byteLength(text), blockSize, texts::kCaptionStringCreate);
}

void FCString::assign(const char* bytes, std::size_t count, std::int32_t blockSize)
{
    assignBytes(bytes, count, blockSize == 0 ? rep_->blockSize : blockSize,
                texts::kCaptionStringCreate);
}

void FCString::detach()
{
    if (shared())
        assignBytes(rep_->buffer, static_cast<std::size_t>(rep_->length), rep_->blockSize,
                    texts::kCaptionStringCreate);
}

void FCString::setCursor(const char* position)
{
    if (position < rep_->buffer)
        cursor_ = rep_->buffer;
    else if (position > end())
        cursor_ = end();
    else
        cursor_ = position;
}

bool FCString::equals(const char* text) const
{
    return textplatform::compareText(rep_->buffer, text ? text : "") == 0;
}

bool FCString::equals(const FCString& other) const
{
    if (rep_ == other.rep_)
        return true;
    return rep_->length == other.rep_->length &&
           textplatform::compareText(rep_->buffer, other.rep_->buffer) == 0;
}

// ---------------------------------------------------------------------------
// Changing the text

void FCString::appendBytes(const char* bytes, std::size_t count, const char* failCaption)
{
    std::size_t length = static_cast<std::size_t>(rep_->length);
    if (!shared() && static_cast<std::size_t>(rep_->capacity) > length + count) {
        // The bytes may come from this very text; memmove copes with that.
        std::memmove(rep_->buffer + length, bytes, count);
        rep_->length += static_cast<std::int32_t>(count);
        rep_->buffer[rep_->length] = '\0';
        return;
    }
    adopt(new FCStringRep(rep_->blockSize, rep_->buffer, length, bytes, count, failCaption));
}

void FCString::append(const char* text)
{
    if (text != nullptr)
        appendBytes(text, std::strlen(text), texts::kCaptionStringAppend);
}

void FCString::append(const char* text, std::int32_t maxBytes)
{
    if (text == nullptr)
        return;
    std::size_t limit = maxBytes < 0 ? 0 : static_cast<std::size_t>(maxBytes);
    std::size_t count = std::strlen(text);
    if (count > limit)
        count = mb::boundedLength(text, limit);
    appendBytes(text, count, texts::kCaptionStringAppend);
}

void FCString::prepend(const char* text)
{
    if (text == nullptr)
        return;
    adopt(new FCStringRep(rep_->blockSize, text, std::strlen(text), rep_->buffer,
                          static_cast<std::size_t>(rep_->length), texts::kCaptionStringPrepend));
}

void FCString::clear()
{
    if (shared()) {
        assignBytes(nullptr, 0, rep_->blockSize, texts::kCaptionStringCreate);
        return;
    }
    rep_->length = 0;
    rep_->buffer[0] = '\0';
    cursor_ = rep_->buffer;
}

void FCString::changeCase(bool toUpper)
{
    detach();
    // Case changes keep every character's byte count, so the result fits in
    // place.
    std::string changed = mb::changeCase(rep_->buffer, toUpper);
    std::memcpy(rep_->buffer, changed.data(), changed.size());
}

void FCString::toLower()
{
    changeCase(false);
}

void FCString::toUpper()
{
    changeCase(true);
}

void FCString::convert(std::int32_t mode)
{
    if (mode == -2) {
        replace("&", "&amp;");
        replace("\"", "&quot;");
        replace("<", "&lt;");
        replace(">", "&gt;");
        return;
    }
    if (mode == -3) {
        replace("&quot;", "\"");
        replace("&lt;", "<");
        replace("&gt;", ">");
        replace("&amp;", "&");
        return;
    }
    std::string mapped;
    if (textplatform::localeMap(static_cast<std::uint32_t>(mode), rep_->buffer, mapped))
        create(kDefaultBlockSize, mapped.c_str());
}

int FCString::replace(const char* what, const char* with)
{
    if (what == nullptr || *what == '\0')
        return 0;
    if (with == nullptr)
        with = "";
    std::size_t whatLength = std::strlen(what);
    std::string result;
    int count = 0;
    const char* done = rep_->buffer;
    for (const char* match = mb::findSub(done, what); match != nullptr;
         match = mb::findSub(done, what)) {
        result.append(done, static_cast<std::size_t>(match - done));
        result.append(with);
        done = match + whatLength;
        ++count;
    }
    if (count == 0) {
        rewind();
        return 0;
    }
    result.append(done, static_cast<std::size_t>(end() - done));
    assignBytes(result.data(), result.size(), rep_->blockSize, texts::kCaptionStringCreate);
    return count;
}

// ---------------------------------------------------------------------------
// Cursor

std::int32_t FCString::currentChar() const
{
    const char* start = rep_->buffer;
    const char* p = cursor_;
    auto byte = [](const char* at) { return static_cast<unsigned char>(*at); };
    if (p == start || *p == '\0')
        return static_cast<signed char>(*p);
    if (mb::insideChar(start, p))
        return static_cast<std::int32_t>(byte(p - 1) * 256u + byte(p));
    if (mb::isLead(byte(p)) && mb::isTrail(byte(p + 1)))
        return static_cast<std::int32_t>(byte(p) * 256u + byte(p + 1));
    return static_cast<signed char>(*p);
}

bool FCString::next()
{
    cursor_ = mb::next(cursor_);
    return !atEnd();
}

bool FCString::prev()
{
    cursor_ = mb::prev(rep_->buffer, cursor_);
    return cursor_ != rep_->buffer;
}

std::uint32_t FCString::move(std::int32_t count, int origin)
{
    switch (origin) {
    case 0:
        if (count < 0)
            return 0;
        cursor_ = rep_->buffer;
        break;
    case 1:
        break;
    case 2:
        if (count > 0)
            return 0;
        cursor_ = end();
        break;
    default:
        return 0;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        if (!next())
            return 0;
    }
    for (std::int32_t i = count; i < 0; ++i) {
        if (!prev())
            return 0;
    }
    return mb::codeAt(cursor_);
}

const char* FCString::findChar(unsigned code)
{
    const char* found = mb::findChar(cursor_, code);
    cursor_ = found ? found : end();
    return found;
}

const char* FCString::findAny(const char* set)
{
    const char* found = mb::findAny(cursor_, set);
    cursor_ = found ? found : end();
    return found;
}

const char* FCString::findLastOf(const char* set)
{
    const char* last = nullptr;
    for (const char* p = mb::findAny(cursor_, set); p != nullptr; p = mb::findAny(mb::next(p), set))
        last = p;
    cursor_ = last ? last : end();
    return last;
}

const char* FCString::skipSet(const char* set, bool backward, const char* limit)
{
    if (!backward) {
        const char* p = mb::skipSpan(cursor_, set);
        if (*p == '\0') {
            cursor_ = end();
            return nullptr;
        }
        cursor_ = p;
        return p;
    }
    const char* start = rep_->buffer;
    const char* stop = (limit == nullptr || limit < start || limit > end()) ? start : limit;
    auto belongs = [set](const char* p) { return *p == '\0' || mb::inSet(set, mb::codeAt(p)); };
    while (cursor_ > stop && belongs(cursor_))
        cursor_ = mb::prev(start, cursor_);
    if (belongs(cursor_)) {
        cursor_ = start;
        return nullptr;
    }
    return cursor_;
}

const char* FCString::find(const char* what, const char* tokenDelims)
{
    if (what == nullptr)
        what = "";
    if (tokenDelims == nullptr || *tokenDelims == '\0') {
        const char* found = mb::findSub(cursor_, what);
        cursor_ = found ? found : end();
        return found;
    }
    FCString token;
    while (const char* start = cutToken(token, tokenDelims, false)) {
        if (token.equals(what)) {
            cursor_ = start;
            return start;
        }
    }
    cursor_ = end();
    return nullptr;
}

bool FCString::startsWithDigit() const
{
    return rep_->buffer[0] >= '0' && rep_->buffer[0] <= '9';
}

bool FCString::copyRange(FCString& out, const char* from, const char* to) const
{
    const char* start = rep_->buffer;
    if (from == nullptr)
        from = start;
    if (to == nullptr)
        to = end();
    if (to < from) {
        const char* swap = from;
        from = to;
        to = swap;
    }
    if (from < start || to > end()) {
        std::string box = "  start:";
        box += std::to_string(reinterpret_cast<std::uintptr_t>(from));
        box += "\n    end:";
        box += std::to_string(reinterpret_cast<std::uintptr_t>(to));
        box += "\nstrings:";
        box += std::to_string(reinterpret_cast<std::uintptr_t>(start));
        box += "\n length:";
        box += std::to_string(static_cast<std::uint32_t>(rep_->length));
        textplatform::showTaskModalBox(nullptr, texts::kCaptionStringClass, box.c_str());
        return false;
    }
    std::size_t count = static_cast<std::size_t>(to - from) + 1;
    std::size_t available = static_cast<std::size_t>(end() - from);
    if (count > available)
        count = available;
    // Built before out lets go of its text: out may be this very string.
    out.assignBytes(from, count, out.rep_->blockSize, texts::kCaptionStringCreate);
    return true;
}

void FCString::showLastError(const char* text)
{
    std::uint32_t code = textplatform::lastErrorCode();
    std::string box = text ? text : "";
    box += texts::kLastErrorOccurred;
    box += std::to_string(code);
    box += texts::kLastErrorEnd;
    textplatform::showTaskModalBox(nullptr, texts::kCaptionStringClass, box.c_str());
}
