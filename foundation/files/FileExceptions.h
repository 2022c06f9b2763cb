// The exceptions of the file class: thrown when the user answers a failed
// open, read or write with Cancel.  Each is a Diagnostic, so whoever catches
// it can show it as it is.
#pragma once

#include "FileTexts.h"

#include "foundation/text/Diagnostic.h"

// The message is the path that was handed to the system.
class CannotOpenException : public Diagnostic {
public:
    explicit CannotOpenException(const char* path) : Diagnostic(texts::kCaptionCannotOpen, path) {}
};

// The message is the name of the file being read.
class CannotReadException : public Diagnostic {
public:
    explicit CannotReadException(const char* name) : Diagnostic(texts::kCaptionCannotRead, name) {}
};

// The message is the name of the file being written.
class CannotWriteException : public Diagnostic {
public:
    explicit CannotWriteException(const char* name) : Diagnostic(texts::kCaptionCannotWrite, name) {}
};
