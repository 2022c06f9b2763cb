// Feeds any bytes to the reader of the command section, in both formats:
// the command list built whole, then the copy list line by line.
#include "engine/CommandParser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FCString description;
    description.assign(reinterpret_cast<const char*>(data), size);

    FCXList<CMD_DATA_> records;
    CommandSectionReader(description).readCommandList(records);
    FCXListIterator<CMD_DATA_> it(records);
    while (CMD_DATA_* record = it.next()) {
        if (record->type < CMD_UPDATE || record->type > CMD_END)
            __builtin_trap();
    }

    description.rewind();
    CommandSectionReader reader(description);
    CopyListLine line;
    while (reader.nextCopyLine(line)) {
        if (line.source.empty() || line.destination.empty())
            __builtin_trap();
    }
    return 0;
}
