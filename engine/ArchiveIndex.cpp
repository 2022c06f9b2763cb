#include "ArchiveIndex.h"

#include <cstring>
#include <limits>

namespace archiveindex {

namespace {

struct KindExtension {
    std::uint32_t kind;
    const char* extension;  // without the dot
};

const KindExtension kExtensions[] = {
    {0x11, "gyu"}, {0x12, "dlg"}, {0x13, "mpg"}, {0x20, "v"},
    {0x21, "ogg"}, {0x22, "wav"}, {0x30, "rld"},
};

std::uint32_t get32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t get16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

void put32(unsigned char* p, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> (8 * i));
}

void put16(unsigned char* p, std::uint16_t value)
{
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

// The table at bytes, of which size are left; false when it does not fit.
bool readTable(const unsigned char* bytes, std::size_t size, TableView& table)
{
    if (size < kTableHeaderBytes)
        return false;
    table.group = static_cast<std::int32_t>(get32(bytes));
    table.firstId = static_cast<std::int32_t>(get32(bytes + 4));
    table.count = static_cast<std::int32_t>(get32(bytes + 12));
    table.entries = bytes + kTableHeaderBytes;
    return idsFit(table.firstId, table.count) &&
           static_cast<std::size_t>(table.count) <= (size - kTableHeaderBytes) / kEntryBytes;
}

}  // namespace

bool idsFit(std::int32_t firstId, std::int32_t count)
{
    std::int64_t lastId = static_cast<std::int64_t>(firstId) + count - 1;
    return count >= 0 && count <= kMostIds && lastId <= std::numeric_limits<std::int32_t>::max() &&
           lastId >= std::numeric_limits<std::int32_t>::min();
}

bool read(const unsigned char* bytes, std::size_t size, Contents& contents)
{
    if (size < kHeaderBytes || std::memcmp(bytes, kMagic, sizeof kMagic) != 0)
        return false;
    Contents found;
    found.header.reserved = get16(bytes + 4);
    found.header.nameDigits = get16(bytes + 6);
    found.header.resourceKind = get32(bytes + 8);
    auto tableCount = static_cast<std::int32_t>(get32(bytes + 12));
    if (tableCount < 0)
        return false;
    std::size_t at = kHeaderBytes;
    for (std::int32_t i = 0; i < tableCount; ++i) {
        TableView table;
        if (!readTable(bytes + at, size - at, table))
            return false;
        at += kTableHeaderBytes + static_cast<std::size_t>(table.count) * kEntryBytes;
        found.tables.push_back(table);
    }
    contents = std::move(found);
    return true;
}

void putHeader(unsigned char* out, const Header& header, std::int32_t tableCount)
{
    std::memcpy(out, kMagic, sizeof kMagic);
    put16(out + 4, header.reserved);
    put16(out + 6, header.nameDigits);
    put32(out + 8, header.resourceKind);
    put32(out + 12, static_cast<std::uint32_t>(tableCount));
}

void putTableHeader(unsigned char* out, std::int32_t group, std::int32_t firstId, std::int32_t count)
{
    put32(out, static_cast<std::uint32_t>(group));
    put32(out + 4, static_cast<std::uint32_t>(firstId));
    // Reckoned without a sign, so that no table's last id can overflow.
    put32(out + 8, static_cast<std::uint32_t>(firstId) + static_cast<std::uint32_t>(count) - 1u);
    put32(out + 12, static_cast<std::uint32_t>(count));
}

void groupFileName(FCString& out, std::uint32_t kind, std::int32_t group)
{
    out.append("res");
    out.appendUnsigned(kind, 16, 2, '0');
    if (group == -1)
        out.append("??");
    else
        out.appendInt(group, 16, 2, '0');
    out.append(".grp");
}

void kindExtension(FCString& out, std::uint32_t kind, bool withDot)
{
    for (const KindExtension& k : kExtensions) {
        if (k.kind != kind)
            continue;
        if (withDot)
            out.append(".");
        out.append(k.extension);
        return;
    }
}

bool hasFileOfItsOwn(std::int32_t group)
{
    return group >= 1 && group <= 0xFF;
}

bool nameFitsId(const char* name, std::int32_t id, std::int32_t nameDigits, std::uint32_t kind)
{
    if (nameDigits == -1)
        return true;
    if (nameDigits < 0)
        return false;
    FCString expected;
    expected.appendInt(id, 10, nameDigits, '0');
    kindExtension(expected, kind, true);
    FCString lowered(name);
    lowered.toLower();
    // Byte for byte: the locale's comparison passes over characters that a
    // file name holds.
    return lowered.length() == expected.length() &&
           std::memcmp(lowered.text(), expected.text(), static_cast<std::size_t>(expected.length())) == 0;
}

}  // namespace archiveindex
