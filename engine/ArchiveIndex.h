// An archive of one resource kind, as bytes and names: the layout of its
// index file, the names of its files and which input names count for an
// id.  Nothing here touches a file, so the reading of an index can be
// checked and fuzzed where no file class is at hand; UxArchiveIdFile does
// the file work around it.
//
// The index file (little-endian, packed): the magic "AiFS"; a reserved
// 16-bit word; the name digits (16 bits); the resource kind (32 bits); the
// number of tables (32 bits); then each group's table: group, first id,
// last id and count (32-bit signed each; the last id is first id + count - 1
// and is not read back), and count entries of 8 bytes, the offset and the
// size of that id's data in the group's file (both 0 for an id without a
// file).
#pragma once

#include "foundation/text/FCString.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace archiveindex {

inline constexpr unsigned char kMagic[4] = {'A', 'i', 'F', 'S'};
inline constexpr std::size_t kHeaderBytes = 16;
inline constexpr std::size_t kTableHeaderBytes = 16;
inline constexpr std::size_t kEntryBytes = 8;
// The most ids one table holds: its entries are written with one 32-bit
// byte count.
inline constexpr std::int32_t kMostIds = 0x1FFFFFFF;

struct Header {
    std::uint16_t reserved = 0;
    std::uint16_t nameDigits = 0;
    std::uint32_t resourceKind = 0;
};

// One group's table where it lies in the index bytes.
struct TableView {
    std::int32_t group = 0;
    std::int32_t firstId = 0;
    std::int32_t count = 0;
    const unsigned char* entries = nullptr;  // count × kEntryBytes bytes
};

struct Contents {
    Header header;
    std::vector<TableView> tables;
};

// True when count is 0 to kMostIds and the last id, firstId + count - 1
// (firstId - 1 for an empty table), lies in the 32-bit signed range.
bool idsFit(std::int32_t firstId, std::int32_t count);

// Reads the index in bytes into contents.  False, with contents unchanged,
// unless the bytes hold the magic, a whole header and every table the
// header counts, each with a count that idsFit and all of its entries.
// Bytes behind the last table are not looked at.  Nothing is set aside
// for a table before its bytes have been found, so what is taken never
// outgrows the bytes.
bool read(const unsigned char* bytes, std::size_t size, Contents& contents);

// The header and a table's header as they are written, kHeaderBytes and
// kTableHeaderBytes bytes.
void putHeader(unsigned char* out, const Header& header, std::int32_t tableCount);
void putTableHeader(unsigned char* out, std::int32_t group, std::int32_t firstId, std::int32_t count);

// Appends "res", the kind and the group as two lower-case hexadecimal
// digits each (the last two of a longer number), and ".grp"; a group of
// -1 is written "??".  Group 0 names the index file.
void groupFileName(FCString& out, std::uint32_t kind, std::int32_t group);
// Appends the extension of the kind's input files (".wav", or "wav"
// without the dot); nothing for a kind without one.
void kindExtension(FCString& out, std::uint32_t kind, bool withDot);
// True when the group's file is one of its own: not the index, and not a
// file that another group number shares (the name keeps two hexadecimal
// digits, so only the groups 1 to 0xFF have their own).
bool hasFileOfItsOwn(std::int32_t group);
// Whether the input file name (without folder) may hold the data of id
// under nameDigits: -1 takes every name; 0 or more take only the id in
// decimal, written as appendInt writes it with nameDigits digits and "0"
// in front, followed by the kind's extension, in any letter case.  So 3
// takes '012.wav' for 12, 0 takes '12.wav' (no zeros in front), and an id
// longer than nameDigits has no name.  Other negative values take none.
bool nameFitsId(const char* name, std::int32_t id, std::int32_t nameDigits, std::uint32_t kind);

}  // namespace archiveindex
