// The foundation's exception objects: a caption naming where a problem arose
// and a message saying what happened, shown in a task-modal message box.
#pragma once

#include "TextPlatform.h"

class Diagnostic {
public:
    Diagnostic(const char* caption, const char* message);
    Diagnostic(const Diagnostic& other);
    Diagnostic& operator=(const Diagnostic& other);
    virtual ~Diagnostic();

    virtual int show(textplatform::OwnerWindow owner);
    virtual int show();
    virtual const char* caption() const;
    virtual void setCaption(const char* text);
    virtual const char* message() const;
    virtual void setMessage(const char* text);
    virtual void appendMessage(const char* text);

private:
    char* caption_;  // owned; nullptr when the copy could not be made
    char* message_;  // owned; nullptr when the copy could not be made
};

// Thrown by every allocating operation of the foundation when memory runs out.
class NotEnoughMemoryException : public Diagnostic {
public:
    NotEnoughMemoryException(const char* caption, const char* message);
    ~NotEnoughMemoryException() override;
};

// Throws NotEnoughMemoryException with the given caption and the program's
// out-of-memory message.
[[noreturn]] void throwNotEnoughMemory(const char* caption);

// For a catch (...) block that ends a run or a dialog in order: when the
// exception in flight is an allocation failure, the foundation's own or the
// standard library's (std::bad_alloc), shows the out-of-memory box; any
// other exception has said what went wrong where it arose (a file's
// Retry/Cancel box) and shows nothing more.
void showWhenOutOfMemory();
