// The reader of the command section: the lines of the description text that
// follow the header's D line, in either of its two formats.
//
// The copy list is carried out line by line as it is read, so its reader
// hands out one line at a time; the command list is built whole before the
// first command runs, so it is read into a list in one call.  Neither format
// knows syntax errors: unknown keys are skipped and missing fields are empty.
#pragma once

#include "CommandRecord.h"

#include "foundation/text/FCString.h"
#include "foundation/text/FCXList.h"

#include <cstdint>
#include <vector>

enum class CommandFormat {
    None,         // the command section is not read at all
    CopyList,     // one file to copy per line
    CommandList,  // one CMD_DATA_ per line
};

// The format that the header's command mode (key CM) chooses: 100 the copy
// list, above it the command list, below it none.
CommandFormat commandFormatOf(std::int32_t commandMode);

// One line of the copy list.
struct CopyListLine {
    FCString source;         // relative to the source root
    FCString destination;    // relative to the install folder; the source when not written
    FCString backupPattern;  // relative to the install folder; empty for no backup
};

// Parses one line of the command list (without its leading blanks) into
// record.  False, with record unchanged, when its key is not one of ours.
bool parseCommandLine(FCString& line, CMD_DATA_& record);

// Parses one line of the copy list (without its leading blanks) into out.
void parseCopyListLine(FCString& line, CopyListLine& out);

// Reads the command section from the description text's cursor on, which
// the header reader left behind the D line.  Empty lines, leading blanks and
// comment lines (first character ";") are passed over.
class CommandSectionReader {
public:
    explicit CommandSectionReader(FCString& description) : description_(description) {}

    // The next line of the copy list; false at the end of the text.
    bool nextCopyLine(CopyListLine& out);

    // Adds one owned record per command line, in the order of the lines,
    // at the end of records; with ordinals, the ordinal of each record's
    // line (see linesRead) at the end of ordinals.
    void readCommandList(FCXList<CMD_DATA_>& records, std::vector<std::int32_t>* ordinals = nullptr);

    // The next line that is not a comment, without its leading blanks;
    // false at the end of the text.  Both formats read their lines with it
    // (a tool that reports on every line reads them with it too).
    bool nextLine(FCString& line);

    // How many lines nextLine has handed out: the line it handed out last
    // has the ordinal linesRead() - 1.
    std::int32_t linesRead() const { return linesRead_; }

private:
    FCString& description_;
    FCString line_;
    std::int32_t linesRead_ = 0;
};
