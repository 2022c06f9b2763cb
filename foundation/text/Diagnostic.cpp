#include "Diagnostic.h"

#include "Texts.h"

#include <cstring>
#include <new>

namespace {

char* duplicate(const char* text)
{
    if (text == nullptr)
        return nullptr;
    std::size_t n = std::strlen(text) + 1;
    char* copy = new (std::nothrow) char[n];
    if (copy != nullptr)
        std::memcpy(copy, text, n);
    return copy;
}

// Replaces an owned text by a copy of text; a missing text changes nothing.
void replaceOwned(char*& owned, const char* text)
{
    if (text == nullptr)
        return;
    char* copy = duplicate(text);
    delete[] owned;
    owned = copy;
}

}  // namespace

Diagnostic::Diagnostic(const char* caption, const char* message)
    : caption_(duplicate(caption)), message_(duplicate(message))
{
}

Diagnostic::Diagnostic(const Diagnostic& other)
    : caption_(duplicate(other.caption_)), message_(duplicate(other.message_))
{
}

Diagnostic& Diagnostic::operator=(const Diagnostic& other)
{
    if (this != &other) {
        char* caption = duplicate(other.caption_);
        char* message = duplicate(other.message_);
        delete[] caption_;
        delete[] message_;
        caption_ = caption;
        message_ = message;
    }
    return *this;
}

Diagnostic::~Diagnostic()
{
    delete[] caption_;
    delete[] message_;
}

int Diagnostic::show(textplatform::OwnerWindow owner)
{
    return textplatform::showTaskModalBox(owner, caption_ ? caption_ : "", message_ ? message_ : "");
}

int Diagnostic::show()
{
    return show(nullptr);
}

const char* Diagnostic::caption() const
{
    return caption_;
}

void Diagnostic::setCaption(const char* text)
{
    replaceOwned(caption_, text);
}

const char* Diagnostic::message() const
{
    return message_;
}

void Diagnostic::setMessage(const char* text)
{
    replaceOwned(message_, text);
}

void Diagnostic::appendMessage(const char* text)
{
    if (text == nullptr || *text == '\0')
        return;
    std::size_t old = message_ ? std::strlen(message_) : 0;
    std::size_t add = std::strlen(text);
    char* joined = new (std::nothrow) char[old + add + 1];
    if (joined == nullptr)
        return;
    if (old != 0)
        std::memcpy(joined, message_, old);
    std::memcpy(joined + old, text, add + 1);
    setMessage(joined);
    delete[] joined;
}

NotEnoughMemoryException::NotEnoughMemoryException(const char* caption, const char* message)
    : Diagnostic(caption, message)
{
}

NotEnoughMemoryException::~NotEnoughMemoryException() = default;

void throwNotEnoughMemory(const char* caption)
{
    throw NotEnoughMemoryException(caption, texts::kNotEnoughMemory);
}

void showWhenOutOfMemory()
{
    try {
        throw;
    } catch (NotEnoughMemoryException& e) {
        e.show();
    } catch (const std::bad_alloc&) {
        NotEnoughMemoryException(texts::kCaptionNew, texts::kNotEnoughMemory).show();
    } catch (...) {
    }
}
