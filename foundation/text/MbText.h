// The one multibyte walker of the program.
//
// Every text in the program is multibyte text in the ANSI code page (932 on
// the systems we ship to).  All character walking goes through these
// functions; nothing else in the program looks at lead bytes.  The Windows
// build asks the platform which bytes lead a double-byte character; the
// native build carries the code page 932 table, so both walk text the same
// way.  The C runtime's _mbs* functions are not used: under some runtimes
// their code page is not the ANSI code page.
#pragma once

#include <cstddef>
#include <string>

namespace mb {

// True when the byte starts a double-byte character in the ANSI code page.
bool isLead(unsigned char byte);

// True when the byte can be the second byte of a code page 932 character.
bool isTrail(unsigned char byte);

// The character after the one at p; p itself at the terminating NUL.  A lead
// byte directly before the NUL counts as a character of its own, so a walk
// never steps over the end of a text.
const char* next(const char* p);

// The start of the character before p, never before start; start itself when
// p is at or before start.
const char* prev(const char* start, const char* p);

// The code of the character at p: the byte for a single-byte character,
// lead * 256 + trail for a double-byte one, 0 at the end.
unsigned codeAt(const char* p);

// True when the character with this code belongs to the set (a text whose
// characters form the set).
bool inSet(const char* set, unsigned code);

// The first character at or after s with this code, or nullptr.
const char* findChar(const char* s, unsigned code);

// The first character at or after s that belongs to set, or nullptr.
const char* findAny(const char* s, const char* set);

// The first character at or after s that does not belong to set; the
// terminating NUL when every character belongs to it.
const char* skipSpan(const char* s, const char* set);

// The first occurrence of what at or after s that starts and ends on
// character boundaries, or nullptr.  An empty what matches at s.
const char* findSub(const char* s, const char* what);

// True when p is the second byte of a double-byte character of the text
// that starts at start.
bool insideChar(const char* start, const char* p);

// The longest prefix of text, at most maxBytes long, that ends on a
// character boundary; returns its length in bytes.
std::size_t boundedLength(const char* text, std::size_t maxBytes);

// Upper- or lower-case form of one double-byte character code, as the
// platform's locale maps it; the code itself when it has no other case.
unsigned mapDoubleByteCase(unsigned code, bool toUpper);

// The text with every letter in upper or lower case: single-byte letters
// directly, double-byte letters through mapDoubleByteCase.
std::string changeCase(const char* text, bool toUpper);

}  // namespace mb
