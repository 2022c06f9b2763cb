#include "RunSettings.h"

bool PatchEntryTable::insert(const PatchEntry& entry)
{
    return entries_.emplace(entry.number, entry).second;
}

const PatchEntry* PatchEntryTable::find(std::int32_t number) const
{
    auto it = entries_.find(number);
    return it == entries_.end() ? nullptr : &it->second;
}
