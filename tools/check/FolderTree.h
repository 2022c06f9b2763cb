// A folder tree as the maker compares it: every file and folder below the
// top, named as a description file names it (code page 932, "\\" between
// folders, a folder with a final "\\"), and matched as Windows matches
// names, letters in any case.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct TreeEntry {
    std::string name;  // relative to the top, code page 932
    std::string key;   // the name with its letters in one case: one key, one file on Windows
    std::filesystem::path path;  // where it is on this system
    std::uint64_t size = 0;      // of a file

    bool isFolder() const { return !name.empty() && name.back() == '\\'; }
};

struct FolderTree {
    std::vector<TreeEntry> entries;  // sorted by key, one entry a key
    // Names that no description can write (no code page 932 form, or a
    // ";" that would end the record's field), as the system shows them;
    // nothing below them is listed.
    std::vector<std::string> unwritable;
    // Names that differ from an entry's only in case: (the entry kept, the
    // one left out).
    std::vector<std::pair<std::string, std::string>> caseTwins;
};

// Whether an entry (its name as above) is left out, with everything below it.
using TreeSkip = std::function<bool(const std::string& name)>;

// A folder named on the command line (code page 932 on Windows, the
// system's bytes elsewhere) as a path.
std::filesystem::path folderPath(const std::string& argument);

// Reads the tree below folder.  False, with the reason in error, when
// folder is not a readable folder.
bool readFolderTree(const std::filesystem::path& folder, const TreeSkip& skip, FolderTree& out,
                    std::string& error);

// The whole of the file at path.  False for a path that is not a readable
// file (a folder opens, but its first read throws).
bool readFileBytes(const std::filesystem::path& path, std::string& bytes);

// A name as the system shows it, UTF-8, for messages.
std::string shownName(const std::filesystem::path& path);
