// Whole texts to and from files, optionally scrambled after their first
// lines (the settings file's format).
//
// These live beside the file class rather than in the string class: the
// text library knows nothing of files.  An operation on a file that is not
// open does nothing, leaves the text as it was, and returns false.
#pragma once

#include "FCFile.h"

#include "foundation/text/FCString.h"

#include <cstdint>
#include <optional>

// Replaces text by byteCount bytes read from the file's position (0: up to
// the end of the file; never more than the file still holds), unscrambled
// with key after the first skipLines lines when a key is given.  The cursor
// goes to the start.  False, with the text and the file's position
// untouched, when the file is not open, when the content is longer than a
// 32-bit length can count, or when the heap has no block for it.
bool readFile(FCString& text, FCFile& file, std::uint32_t byteCount = 0,
              std::optional<std::uint32_t> key = std::nullopt, std::int32_t skipLines = 0);
// The same from the named file, opened for reading (existing file, shared
// for reading) and closed again; a failed open asks Retry/Cancel as FCFile
// does, and Cancel throws CannotOpenException.
bool readFile(FCString& text, const char* name, std::uint32_t byteCount = 0,
              std::optional<std::uint32_t> key = std::nullopt, std::int32_t skipLines = 0);

// Writes the whole text (embedded NULs included, the final NUL not) at the
// file's position, scrambled with key after the first skipLines lines when a
// key is given.  The string itself is never changed.  True when every byte
// was written.
bool writeFile(const FCString& text, FCFile& file, std::optional<std::uint32_t> key = std::nullopt,
               std::int32_t skipLines = 0);
// Writes the text unscrambled into the named file (created when missing,
// Retry/Cancel as FCFile asks), which then ends where the text ends.
bool writeFile(const FCString& text, const char* name);
