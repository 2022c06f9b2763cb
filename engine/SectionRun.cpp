#include "SectionRun.h"

#include "CopyListStep.h"

#include "foundation/system/WorkBreaks.h"
#include "foundation/text/Diagnostic.h"
#include "foundation/text/FCXList.h"

#include <vector>

namespace {

class SectionLoop {
public:
    SectionLoop(const char* sourceRoot, const char* installFolder, SectionOwner& owner)
        : sourceRoot_(sourceRoot), installFolder_(installFolder), owner_(owner)
    {
    }

    void runCopyList(CommandSectionReader& section)
    {
        CopyListLine line;
        while (section.nextCopyLine(line)) {
            out.endLine = section.linesRead() - 1;
            if (!owner_.starting(out.endLine, line))
                continue;
            bool copied = applyCopyLine(line, sourceRoot_, installFolder_);
            if (!copied)
                ++out.failures;
            owner_.ended(out.endLine, line, copied);
            workBreak();
        }
        out.end = out.failures > 0 ? SectionEnd::Failed : SectionEnd::Finished;
    }

    void runCommandList(CommandSectionReader& section)
    {
        FCXList<CMD_DATA_> records;
        std::vector<std::int32_t> ordinals;
        section.readCommandList(records, &ordinals);
        out.end = records.count() == 0 ? SectionEnd::EmptyList : SectionEnd::Finished;
        FCXListIterator<CMD_DATA_> it(records);
        for (std::int32_t ordinal : ordinals) {
            out.endLine = ordinal;
            if (!runRecord(*it.next()))
                break;
            workBreak();
        }
        // A record that could not write outweighs how the run ended: the
        // product is not updated, and running the update again completes it.
        if (out.failures > 0)
            out.end = SectionEnd::Failed;
    }

    SectionOutcome out;

private:
    // False when the record ends the run.
    bool runRecord(const CMD_DATA_& record)
    {
        if (!owner_.starting(out.endLine, record))
            return true;
        CommandResult result =
            record.type == CMD_RUN
                ? owner_.open(record, sourceRoot_)
                : carryOutCommand(record, sourceRoot_, installFolder_, owner_.progressWindow());
        if (result == CommandResult::WriteFailed)
            ++out.failures;
        owner_.ended(out.endLine, record, result);
        if (result == CommandResult::Done && record.type == CMD_END) {
            out.end = SectionEnd::EndRecord;
            out.endMessage = record.param3;
            return false;
        }
        if (result != CommandResult::Done && record.type == CMD_RUN &&
            !owner_.goOnWithoutProgram(record)) {
            out.end = SectionEnd::Stopped;
            return false;
        }
        return true;
    }

    const char* sourceRoot_;
    const char* installFolder_;
    SectionOwner& owner_;
};

}  // namespace

SectionOutcome runSection(FCString& description, CommandFormat format, const char* sourceRoot,
                          const char* installFolder, SectionOwner& owner)
{
    SectionLoop loop(sourceRoot, installFolder, owner);
    CommandSectionReader section(description);
    try {
        switch (format) {
        case CommandFormat::CopyList:
            loop.runCopyList(section);
            break;
        case CommandFormat::CommandList:
            loop.runCommandList(section);
            break;
        case CommandFormat::None:
            break;
        }
    } catch (...) {
        // Cancel in a file's box, which has said what went wrong, or no
        // memory, which its box says now: nothing more runs.
        showWhenOutOfMemory();
        loop.out.end = SectionEnd::GivenUp;
    }
    return loop.out;
}
