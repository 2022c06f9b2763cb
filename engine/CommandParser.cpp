#include "CommandParser.h"

#include "foundation/text/Diagnostic.h"
#include "foundation/text/MbText.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

const char kCaptionRecordCreate[] = "CMD_DATA_ - create";

// The separators of the command list: any run of them parts two fields, so
// an empty field cannot be written.
const char kCommandSeparators[] = ";\t";

// The copy list parts its fields at ";" and lets blanks stand before the
// next field.
const char kCopySeparator[] = ";";
const char kCopyGap[] = "; \t";

// The kind of a command line, or -1 for a key that is not ours.  Only the
// keyword's first character counts, without case folding, except for the
// whole-word test of "end".
std::int32_t kindOf(const FCString (&fields)[4])
{
    const FCString& keyword = fields[0];
    switch (mb::codeAt(keyword.text())) {
    case 'b': return CMD_PATCH_BYTES;
    case 'd': return CMD_DELETE;
    case 'g': return CMD_BUILD_ARCHIVE;
    case 'i': return CMD_INI;
    case 'm': return CMD_MKDIR;
    case 'o': return CMD_COPY_RANGE;
    case 'r': return CMD_RENAME;
    case 'u': return CMD_UPDATE;
    case 'c':
        // The first letter of the first parameter alone decides, whatever
        // follows: 'c;backup%1\;note' makes the backup folder that later
        // "%backup%" names rely on, and so does 'c;bin\a.dll;x' (the
        // checker warns of such lines).
        return mb::codeAt(fields[1].text()) == 'b' ? CMD_BACKUP_FOLDER : CMD_COPY;
    case 'e':
        // Byte for byte: a locale comparison can find texts equal that
        // differ by characters it ignores, and "end" is a keyword, not a word.
        return std::strcmp(keyword.text(), "end") == 0 ? CMD_END : CMD_RUN;
    default: return -1;
    }
}

}  // namespace

CommandFormat commandFormatOf(std::int32_t commandMode)
{
    if (commandMode == 100)
        return CommandFormat::CopyList;
    return commandMode > 100 ? CommandFormat::CommandList : CommandFormat::None;
}

bool parseCommandLine(FCString& line, CMD_DATA_& record)
{
    // Keyword and three parameters; whatever follows the fourth field is
    // not read.
    FCString fields[4];
    line.splitFields(fields, 4, kCommandSeparators, false, false, nullptr);
    std::int32_t kind = kindOf(fields);
    if (kind < 0)
        return false;
    record.set(kind, fields[1], fields[2], fields[3]);
    return true;
}

void parseCopyListLine(FCString& line, CopyListLine& out)
{
    // The cuts share one token, and a cut that finds nothing leaves it as it
    // was: a line of one field names the destination by the source's name.
    FCString token;
    line.cutToken(token, kCopySeparator);
    out.source = token;
    line.skipSet(kCopyGap);
    line.cutToken(token, kCopySeparator);
    out.destination = token;
    line.skipSet(kCopyGap);
    if (line.cutToken(token, kCopySeparator) != nullptr)
        out.backupPattern = token;
    else
        out.backupPattern.clear();
}

bool CommandSectionReader::nextLine(FCString& line)
{
    while (description_.readLine(line, true, false)) {
        if (mb::codeAt(line.text()) != ';') {
            ++linesRead_;
            return true;
        }
    }
    return false;
}

bool CommandSectionReader::nextCopyLine(CopyListLine& out)
{
    if (!nextLine(line_))
        return false;
    parseCopyListLine(line_, out);
    return true;
}

void CommandSectionReader::readCommandList(FCXList<CMD_DATA_>& records,
                                           std::vector<std::int32_t>* ordinals)
{
    while (nextLine(line_)) {
        std::unique_ptr<CMD_DATA_> record(new (std::nothrow) CMD_DATA_);
        if (!record)
            throwNotEnoughMemory(kCaptionRecordCreate);
        if (!parseCommandLine(line_, *record))
            continue;
        if (ordinals != nullptr)
            ordinals->push_back(linesRead_ - 1);
        records.addLast(record.release(), true);
    }
}
