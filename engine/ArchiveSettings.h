// What one archive command asks the archive builder for: which numbered
// files to gather from where, and which group of which index to write.
#pragma once

#include "CommandRecord.h"

#include "foundation/text/FCString.h"

#include <cstdint>

class UxProgressDialog;

struct ArchiveSettings {
    // Options.
    static constexpr std::uint32_t kFromSubfolders = 0x1;
    static constexpr std::uint32_t kCannotCancel = 0x80;
    static constexpr std::uint32_t kCreateOutputFolder = 0x100;

    FCString outputFolder;  // of the index and group files, with a final "\\"
    FCString inputFolder;   // whose numbered files are gathered
    std::uint32_t resourceKind = 0;
    std::int32_t firstId = 0;
    std::int32_t lastId = 0;
    std::int32_t groupNumber = 0;
    std::int32_t nameDigits = 0;
    std::uint32_t options = 0;
    std::uint32_t maxFileSize = 0x20000000;  // files this large or larger are left out
    std::uint32_t reserved1 = 0x40000000;
    std::uint32_t reserved2 = 0x8000;
    UxProgressDialog* progress = nullptr;  // the current stage's dialog, during a build
};

// Reads an archive command: param1 "options, input folder, name digits,
// first id, last id", param2 "index file, resource kind, group".  The
// index file is relative to the install folder (which ends with "\\"); the
// input folder is taken as written.  The index file's path goes to
// indexPath, its folder to settings.outputFolder.
void readArchiveCommand(const CMD_DATA_& record, const char* installFolder,
                        ArchiveSettings& settings, FCString& indexPath);
