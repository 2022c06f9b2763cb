// The copy of one folder's files, and optionally of its subfolders, into
// another folder; the delete command's folder backup.
#pragma once

#include <cstdint>

// Options of copyFolder.
inline constexpr std::uint32_t kCopyFolderRecurse = 0x1;   // subfolders too
inline constexpr std::uint32_t kCopyFolderCreate = 0x2;    // make the destination
inline constexpr std::uint32_t kCopyFolderFileFlags = 0xFF0000;  // FCFileUty::copy's flags

// Copies every file of source into destination, each with the file flags
// of options; subfolders with kCopyFolderRecurse, each into a subfolder of
// the same name.  Entries whose names begin with "." are not copied.
// Nothing is copied when the destination does not exist (after its
// creation, with kCopyFolderCreate).  Relative folders count from the
// current folder.  True when every file was copied; false when the
// destination could not be made or a file could not be copied (the others
// still are).
bool copyFolder(const char* source, const char* destination, std::uint32_t options);
