// The run-wide values of one update: what the description header says, and
// the few things the run learns on the way.
#pragma once

#include "foundation/text/FCString.h"

#include <cstdint>
#include <map>

// One patch that the selection dialog can offer (header key M).
struct PatchEntry {
    std::int32_t number = 0;
    // 0 = a patch is applied when checkFile starts with signature; any other
    // mode is unknown to this program.
    std::int32_t conditionMode = 0;
    FCString checkFile;              // relative to the install folder
    unsigned char signature[4] = {};  // 255 matches any byte
    FCString sourceFolder;           // appended to the program folder
    FCString label;
    FCString description;
};

// The selection dialog offers the entries numbered 0 to kOfferedPatches - 1,
// one radio button each; entries with other numbers are never offered.
inline constexpr std::int32_t kOfferedPatches = 3;

// The patch entries by number, ascending; a number is kept once, with the
// first entry that named it.
class PatchEntryTable {
public:
    // Adds entry; false (and the table unchanged) when its number is present.
    bool insert(const PatchEntry& entry);
    // The entry with this number, or nullptr.
    const PatchEntry* find(std::int32_t number) const;
    std::size_t size() const { return entries_.size(); }
    std::map<std::int32_t, PatchEntry>::const_iterator begin() const { return entries_.begin(); }
    std::map<std::int32_t, PatchEntry>::const_iterator end() const { return entries_.end(); }

private:
    std::map<std::int32_t, PatchEntry> entries_;
};

struct RunSettings {
    FCString caption;         // CA: title of the selection dialog
    std::int32_t commandMode = 100;  // CM: 100 copy list, above 100 command records, below none
    FCString executableName;  // E
    FCString helpLabel;       // H
    FCString helpTarget;      // H
    FCString installFolder;   // I
    FCString programFolder;   // I
    FCString productName;     // T
    FCString siteUrl;         // SITE_URL
    FCString siteLabel;       // SITE_EXPL
    FCString newVersion;      // V, as written
    // U: 0 none, 1 INI file, 2 registry (current user), 3 registry (local
    // machine), 4 settings file.
    std::int32_t versionSource = 0;
    FCString versionFile;
    FCString versionSection;
    FCString versionValueName;
    bool headerComplete = false;   // a D line was read
    bool newVersionGiven = false;  // a V line was read
    std::int32_t failureCount = 0;  // failed copies and records that could not write
    PatchEntryTable patchEntries;  // M
};
