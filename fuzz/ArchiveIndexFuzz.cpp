// Feeds any bytes to the reader of an archive's index.  What is not a whole
// index must be refused without setting aside more than the bytes hold
// (the run's memory limit catches that), and what is read must write back
// to the very bytes it came from, the last ids (never read) reckoned anew.
#include "engine/ArchiveIndex.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void append(std::vector<unsigned char>& out, const unsigned char* bytes, std::size_t count)
{
    out.insert(out.end(), bytes, bytes + count);
}

std::uint32_t get32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    archiveindex::Contents contents;
    if (!archiveindex::read(data, size, contents))
        return 0;

    std::vector<unsigned char> written(archiveindex::kHeaderBytes);
    archiveindex::putHeader(written.data(), contents.header,
                            static_cast<std::int32_t>(contents.tables.size()));
    for (const archiveindex::TableView& table : contents.tables) {
        std::size_t entryBytes = static_cast<std::size_t>(table.count) * archiveindex::kEntryBytes;
        if (table.entries < data || table.entries + entryBytes > data + size)
            __builtin_trap();
        unsigned char header[archiveindex::kTableHeaderBytes];
        archiveindex::putTableHeader(header, table.group, table.firstId, table.count);
        std::uint32_t lastId = get32(header + 8);
        if (lastId != static_cast<std::uint32_t>(table.firstId) + static_cast<std::uint32_t>(table.count) - 1u)
            __builtin_trap();
        // The last id as the bytes had it, so that the rest compares whole.
        std::memcpy(header + 8, table.entries - archiveindex::kTableHeaderBytes + 8, 4);
        append(written, header, sizeof header);
        append(written, table.entries, entryBytes);
    }
    if (written.size() > size || std::memcmp(written.data(), data, written.size()) != 0)
        __builtin_trap();
    return 0;
}
