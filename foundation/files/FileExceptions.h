// The exceptions of the file class: thrown when the user answers a failed
// open, read or write with Cancel.  Each is a Diagnostic, so whoever catches
// it can show it as it is.
#pragma once

#include "FileTexts.h"

#include "foundation/text/Diagnostic.h"

// What the three have in common: the user gave up on a file.
class FileGivenUpException : public Diagnostic {
public:
    FileGivenUpException(const char* caption, const char* name) : Diagnostic(caption, name) {}
};

// The message is the path that was handed to the system.
class CannotOpenException : public FileGivenUpException {
public:
    explicit CannotOpenException(const char* path)
        : FileGivenUpException(texts::kCaptionCannotOpen, path)
    {
    }
};

// The message is the name of the file being read.
class CannotReadException : public FileGivenUpException {
public:
    explicit CannotReadException(const char* name)
        : FileGivenUpException(texts::kCaptionCannotRead, name)
    {
    }
};

// The message is the name of the file being written.
class CannotWriteException : public FileGivenUpException {
public:
    explicit CannotWriteException(const char* name)
        : FileGivenUpException(texts::kCaptionCannotWrite, name)
    {
    }
};
