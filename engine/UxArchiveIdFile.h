// The archive builder.  An archive of one resource kind is an index file
// and group files in one folder (names and layout: ArchiveIndex.h).  A
// group file holds the data of the numbered input files whose ids fall in
// the group's range, one after the other in id order; the index holds one
// table per group saying where each id's data lies in the group's file.
//
// The builder loads an index, builds one group from the numbered files of
// an input folder and writes the index back.  A build never leaves the
// index pointing into data that is not there: the group's new file is
// written under a name of its own and takes the old file's place only when
// it is complete, just before the index is saved.  Every build that stops
// early leaves the old group file and the index as they were.
#pragma once

#include "ArchiveIndex.h"
#include "ArchiveSettings.h"

#include "foundation/files/FCFile.h"
#include "foundation/text/FCNList.h"
#include "foundation/text/FCRange.h"
#include "foundation/text/FCString.h"
#include "foundation/text/FCXList.h"
#include "foundation/text/UxPairIntString.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>

class UxProgressDialog;

// The numbered files found for a group: id -> (size, full path).
using ArchiveFileMap = std::map<std::int32_t, UxPairIntString>;

// Where each id of one group lies in the group's file.
class UxArchiveIdFileTable {
public:
    UxArchiveIdFileTable() = default;
    UxArchiveIdFileTable(const UxArchiveIdFileTable&) = delete;
    UxArchiveIdFileTable& operator=(const UxArchiveIdFileTable&) = delete;
    virtual ~UxArchiveIdFileTable();

    // Gives the table count zero-filled entries for the ids from firstId
    // on.  False, the table as it was, when the ids do not fit
    // (archiveindex::idsFit) or there is no memory for them.
    bool setup(std::int32_t group, std::int32_t firstId, std::int32_t count);
    // Takes a table read from index bytes; false as setup.
    bool read(const archiveindex::TableView& view);
    // False when id lies outside the table's range.
    bool setEntry(std::int32_t id, std::uint32_t offset, std::uint32_t size);
    // Writes the table in the index layout at the file's position; false
    // when not every byte was written.
    bool write(FCFile& file) const;

    std::int32_t group() const { return group_; }

private:
    void release();

    std::int32_t group_ = -1;
    FCRange<int> ids_{0, -1};
    std::int32_t count_ = 0;
    std::uint32_t* entries_ = nullptr;  // offset and size per id, from FCHeap
};

class UxArchiveIdFile {
public:
    // What build returns.
    static constexpr int kBuilt = 1;
    static constexpr int kNoOutputFolder = -1;   // missing, and not made
    static constexpr int kNoInputFolder = -2;
    static constexpr int kNothingGathered = -3;
    static constexpr int kNoMemory = -4;          // for the copy buffer or the table
    static constexpr int kCancelled = -5;
    static constexpr int kMismatch = -6;          // settings of another kind or name digits
    static constexpr int kNoFileOfItsOwn = -7;    // group 0 (the index), -1, or beyond 0xFF
    static constexpr int kNotWritten = -8;        // the new group file could not be written or put in place

    UxArchiveIdFile() = default;
    UxArchiveIdFile(const UxArchiveIdFile&) = delete;
    UxArchiveIdFile& operator=(const UxArchiveIdFile&) = delete;
    virtual ~UxArchiveIdFile() = default;

    // The progress dialogs' owner, template and controls; a template of 0
    // or less shows none.
    void setProgress(HWND owner, std::int32_t progressTemplate, std::int32_t textId,
                     std::int32_t barId);
    // Reads the index file.  False, and nothing changed, when it is missing,
    // a folder, or not a whole index (archiveindex::read).
    bool load(const char* indexPath);
    // Builds settings.groupNumber; kBuilt or one of the other results.
    int build(ArchiveSettings& settings);
    // Writes the index file into folder, whole beside the old one first; the
    // file ends with the last table.  False, with the old index as it was,
    // when it could not be written or put in place.
    bool save(const char* folder);
    // Adds the numbered files of folder (and, with the option, of its
    // subfolders first) to files; a file whose id is there already goes to
    // duplicates.
    static void gather(const FCString& folder, ArchiveFileMap& files,
                       FCNList<UxPairIntString>& duplicates, const ArchiveSettings& settings);
    // Removes and destroys the table of group, if there is one.
    void removeGroup(std::int32_t group);

    // The folder of the loaded index, with its final "\\".
    const FCString& folder() const { return folder_; }

private:
    bool matches(const ArchiveSettings& settings) const;
    // The dialog of one stage, made and pumped once; none without a
    // template.  The bar shows steps steps, and is hidden for 0.
    std::unique_ptr<UxProgressDialog> openDialog(const char* title, const char* text,
                                                 std::int32_t steps, bool allowCancel) const;
    // The two folders with their final "\\"; kBuilt when the input folder
    // is there and the output folder is or may be made.
    int checkFolders(FCString& input, FCString& output, const ArchiveSettings& settings) const;
    void gatherWithProgress(const FCString& input, ArchiveFileMap& files,
                            FCNList<UxPairIntString>& duplicates, ArchiveSettings& settings) const;
    // Writes the group's data into group (its part file), filling table.
    int writeGroup(const ArchiveFileMap& files, UxArchiveIdFileTable& table, char* buffer,
                   const ArchiveSettings& settings, FCFile& group) const;
    // The index file of folder, and its bytes written into file.
    FCString indexPath(const char* folder) const;
    bool writeIndex(FCFile& file);

    archiveindex::Header header_;
    FCXList<UxArchiveIdFileTable> tables_;
    FCString folder_;
    HWND owner_ = nullptr;
    std::int32_t progressTemplate_ = 0;
    std::int32_t textId_ = -1;
    std::int32_t barId_ = -1;
};
