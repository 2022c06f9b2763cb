// The patch that turns one tree into the other: the command records of its
// description, in an order that works, and the files it ships.
//
// Records come kind after kind: the backup folder, the removals (a
// removal first makes room for a file or folder of the same name), the new
// empty folders, the copies (a folder before its files: the copy makes
// the folders a file needs), then the INI keys; within each kind sorted by
// their bytes, so that two trees give one description.
#pragma once

#include "IniText.h"
#include "MakeOptions.h"
#include "TreeCompare.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct ShippedFile {
    std::string name;  // below the patch folder
    std::filesystem::path from;
    std::uint64_t size = 0;
};

enum class MakeNote {
    CaseOnly,        // names that differ only in case (between or within the trees)
    IniKeyRemoved,   // a key of an INI file that the newer one no longer has
    IniShippedWhole, // an INI file shipped whole: an "i" record cannot write one of its keys
};

// The note's code as the JSON output names it ("case-only").
const char* makeNoteName(MakeNote note);

struct MakeWarning {
    MakeNote note;
    std::string detail;  // code page 932
};

struct PatchCounts {
    std::uint64_t changed = 0;  // files
    std::uint64_t added = 0;
    std::uint64_t removed = 0;
    std::uint64_t foldersAdded = 0;
    std::uint64_t foldersRemoved = 0;
    std::uint64_t bytesShipped = 0;
};

struct PatchPlan {
    std::vector<std::string> records;  // command lines, in order
    std::vector<ShippedFile> shipped;
    std::vector<std::string> iniFiles;  // INI files that "i" records update
    std::vector<MakeWarning> warnings;
    PatchCounts counts;
};

// The bytes of a file; false when it cannot be read.
using ReadBytes = std::function<bool(const std::filesystem::path& path, std::string& bytes)>;

PatchPlan planPatch(const TreeDifference& difference, const MakeOptions& options,
                    const ReadBytes& read);

// The description file: header, then the records; lines end with CR LF.
std::string descriptionText(const PatchPlan& plan, const MakeOptions& options);

// Whether an entry is a backup folder an update made ("backup" and eight
// hexadecimal digits, at the top): the maker neither ships nor removes
// them, and a rehearsal's own is left out of its comparison.
bool isUpdateBackup(const std::string& name);
