// A description file as the program reads it, and what in it will probably
// not work as its author meant: the header as the program understands it,
// every command line with the record it becomes, and warnings by line.
//
// The file is read with the program's own readers (the header reader, the
// command-section reader, the command and copy-list line parsers); nothing
// here parses the description a second way.
#pragma once

#include "app/RunSettings.h"

#include "foundation/text/FCString.h"

#include <functional>
#include <string>
#include <vector>

enum class CheckCode {
    UnknownKey,            // a header line with a key the program does not know
    LowercaseKey,          // a header line that starts with a lower-case letter
    SkippedCommand,        // a command line the program skips
    NoDLine,               // the header never ends: no dialog, nothing runs
    VersionBeforeInstall,  // a U line naming a file before any I line
    RepeatedPatchNumber,   // an M line whose number was used before
    PatchNotOffered,       // an M line the selection dialog cannot offer
    VersionNotNumber,      // a V value that is not a number
    EmptyVersionRecorded,  // a version source without a V line: an empty value is written
    NoCommandsRun,         // a command mode below 100
    EmptyCommandList,      // the command list has no record
    MissingSource,         // a file to copy or run is not in the patch folder
    BackupBeforeFolder,    // "%backup%" before any backup folder was made
    BackupWithoutNumber,   // a backup name without "%1"
    CopyLineIsBackupFolder,  // a "c" line with more than one parameter that makes a backup folder
    PathLeavesFolder,      // an absolute path, or one with ".."
    SignatureNotFourNumbers,
    NotShiftJis,           // bytes that are not Shift_JIS
};

// The code as the JSON output and the tests name it ("skipped-command").
const char* checkCodeName(CheckCode code);

struct CheckWarning {
    int line;  // 1-based; 0 for the file as a whole
    CheckCode code;
    std::string detail;  // the path or text concerned (code page 932), or empty
};

// One line of the command section.
struct CheckedCommand {
    int line;
    // The record's kind (CMD_UPDATE ... CMD_END), kCopyListLine for a line
    // of the copy list, kSkippedLine for a line the program passes over.
    int kind;
    std::string params[3];  // as stored (the copy list: source, destination, backup)
    std::string text;       // the line as read
};
inline constexpr int kCopyListLine = 100;
inline constexpr int kSkippedLine = -1;

// How the I line finds the install folder.
struct InstallLine {
    int line = 0;  // 0: there is none
    std::int32_t type = 0;
    std::vector<std::string> fields;  // the fields after the type
};

struct DescriptionReport {
    RunSettings settings;  // the header as the program reads it
    bool headerComplete = false;
    InstallLine install;
    std::vector<CheckedCommand> commands;
    std::vector<CheckWarning> warnings;  // in line order
};

// Whether a file (a path as the description writes it, relative to the
// patch folder) is in the patch folder.
using PatchFolderHas = std::function<bool(const std::string& relative)>;

// Checks the description text from its start.
DescriptionReport checkDescription(const FCString& description, const PatchFolderHas& has);

// The name of a record kind ("update", "copy-list", "skipped").
const char* commandKindName(int kind);

// Whether a path does not stay below the folder it is joined to: an
// absolute path, one that names a drive, or one with a ".." part.
bool leavesFolder(const FCString& path);
