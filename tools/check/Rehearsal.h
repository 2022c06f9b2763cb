// A rehearsal: the updates of one or more patch folders, carried out in
// turn with the program's own engine on a copy of the install folder, and
// what they would change there.
//
// The copy and the working folder (the current folder while the commands
// run: the INI edit's temporary copy, backup names that are not below the
// install folder) are two temporary folders, removed afterwards; the install
// folder itself is only read.  Nothing reaches past these folders: programs
// are not opened, a record with a path that leads out of its folder is not
// carried out, and a registry version is not written.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct RehearsalOptions {
    // The entry that the selection dialog applies; -1 for the lowest one
    // it offers.
    std::int32_t patchNumber = -1;
    // The answer to the program's questions (applying an applied patch
    // again): true goes on.
    bool goOn = true;
};

// What a line of the rehearsal's list says.
enum class RehearsalKind {
    Created,   // a file or folder (final "\\") that was not in the install folder
    // For these two, detail is the created file that holds the old bytes
    // (the backup, or the name a rename gave it), if there is one.
    Replaced,  // a file whose bytes changed
    Removed,   // a file or folder that is gone
    Renamed,   // a rename record carried out; detail: the new name
    Patched,   // a file that a byte patch or a range copy wrote into
    Ini,       // an INI key that an "i" record wrote: "FILE [SECTION] KEY = VALUE"
    Opened,    // a file an "e" record would open (below the patch folder); detail: its parameters
    // For these two, the subject is the line as written and detail its
    // number; a version file out of the copy is refused with detail "U".
    Refused,   // a line with a path that leads out of its folder: not carried out
    Failed,    // a record or copy-list line that failed
    Version,   // the version recorded: "ini FILE [SECTION] KEY = V", "registry ...",
               // "settings FILE ITEM = V", or "none"
    Working,   // a file left in the working folder (relative to it)
};

// The kind as the list names it ("created").
const char* rehearsalKindName(RehearsalKind kind);

struct RehearsalLine {
    RehearsalKind kind;
    std::string subject;  // a path relative to the install folder, or the text above
    std::string detail;   // or empty

    bool operator<(const RehearsalLine& other) const;
};

// How one update's run ends.
enum class UpdateEnd {
    NoHeader,          // no D line: nothing runs
    VersionGate,       // the installed version is as new or newer
    NoPatchOffered,    // the selection dialog offers no entry
    UnknownMode,       // the chosen entry's condition mode is unknown
    NotReapplied,      // the entry is applied already, and the answer was to stop
    CheckFileGivenUp,  // Cancel in the box of the entry's unreadable check file
    NoFormat,          // the command mode runs no format
    EmptyList,         // the command list has no record
    Failed,            // copy-list lines, or records that could not write, failed
    GivenUp,           // Cancel in a file's box (or no memory) at line endLine
    Finished,          // every command ran
    EndRecord,         // the "end" record at line endLine stopped the run
};

struct RehearsedUpdate {
    std::string patchFolder;
    UpdateEnd end = UpdateEnd::NoHeader;
    int endLine = 0;
    std::string endMessage;           // of the "end" record, "%1" put in
    std::int32_t installedVersion = 0;  // read for the version gate
    std::int32_t patchNumber = -1;      // the entry applied; -1 without the selection dialog
    std::string patchLabel;
    bool reapplied = false;             // the entry was applied already
    std::vector<RehearsalLine> lines;   // sorted; one Version line last
};

struct Rehearsal {
    std::vector<RehearsedUpdate> updates;
    std::vector<RehearsalLine> changes;  // created, replaced, removed; sorted
    std::vector<RehearsalLine> working;  // sorted

    // Every update ran to its end without a failed or refused line.
    bool clean() const;
};

// Called with the copy of the install folder (ending with "\\") once the
// updates ran, before it is removed: what they made of it.
using RehearsalInspect = std::function<void(const std::string& copy)>;

// Rehearses the updates of patchFolders, in turn, on one copy of
// installFolder.  False, with the reason in error, when a folder cannot be
// read or made, or an update cannot apply options.patchNumber.
bool rehearse(const std::string& installFolder, const std::vector<std::string>& patchFolders,
              const RehearsalOptions& options, Rehearsal& out, std::string& error,
              const RehearsalInspect& inspect = nullptr);
