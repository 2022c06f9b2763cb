// The one loop that carries out a command section: the copy list line by
// line as it is read, or the command list read whole and then carried out
// record after record.  The program's patch dialogs and the authors'
// rehearsal both run their sections through it, so that they cannot differ
// in what runs, in what order, and how a run ends; what they do around each
// line (show it, refuse it, list it) is their owner's part.
#pragma once

#include "ApplyCommand.h"
#include "CommandParser.h"

#include "foundation/text/FCString.h"

#include <cstdint>

// How a command section ended.
enum class SectionEnd {
    NotRun,     // the command mode runs no format
    EmptyList,  // the command list has no record
    Failed,     // copy-list lines or records could not write
    GivenUp,    // Cancel in a file's Retry/Cancel box, or no memory
    Stopped,    // a program did not start, and the owner chose not to go on
    Finished,   // every line ran
    EndRecord,  // an "end" record's condition held
};

struct SectionOutcome {
    SectionEnd end = SectionEnd::NotRun;
    // The ordinal of the line the run ended at (the "end" record, the line
    // at work when the user gave up; -1 before the first); ordinals count
    // the section's lines, comments not counted, from 0.
    std::int32_t endLine = -1;
    FCString endMessage;        // the "end" record's message, as written
    std::int32_t failures = 0;  // lines and records that could not write
};

// What the owner of a run does around its lines.  Ordinals as above.
class SectionOwner {
public:
    virtual ~SectionOwner() = default;

    // Before a line is carried out: false passes over it.
    virtual bool starting(std::int32_t ordinal, const CopyListLine& line) = 0;
    virtual bool starting(std::int32_t ordinal, const CMD_DATA_& record) = 0;
    // After it was carried out.
    virtual void ended(std::int32_t, const CopyListLine&, bool /*copied*/) {}
    virtual void ended(std::int32_t, const CMD_DATA_&, CommandResult) {}
    // Opens the program of an "e" record (openProgram, or whatever stands
    // for it).
    virtual CommandResult open(const CMD_DATA_& record, const char* sourceRoot) = 0;
    // A program did not start: true goes on with the next record.
    virtual bool goOnWithoutProgram(const CMD_DATA_& record) = 0;
    // Where the archive builder shows its progress.
    virtual ProgressWindow progressWindow() const { return {}; }
};

// Carries out the command section of description, from its cursor on (the
// header reader leaves it behind the D line), in format, with the sources
// below sourceRoot and the targets below installFolder.  The work takes the
// thread's breaks (WorkBreaks) after each line.  A file's Cancel, or memory
// running out (after its box), ends the run as GivenUp.
SectionOutcome runSection(FCString& description, CommandFormat format, const char* sourceRoot,
                          const char* installFolder, SectionOwner& owner);
