// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/item_name_cache.h"

namespace maprune {

uint32_t ItemNameCache::Hash(std::string_view name)
{
    // FNV-1a, then the murmur3 finaliser: FNV alone leaves the low bits,
    // which pick the slot, poorly mixed for short names that differ late.
    uint32_t h = 2166136261u;
    for (char c : name) {
        h ^= static_cast<uint8_t>(c);
        h *= 16777619u;
    }
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

size_t ItemNameCache::Probe(std::string_view name, uint32_t hash) const
{
    size_t slot = hash & (kSlots - 1);
    for (size_t tried = 0; tried < kSlots; ++tried) {
        const Slot& s = FSlots[slot];
        if (s.record == nullptr || (s.hash == hash && s.name == name))
            return slot;
        slot = (slot + 1) & (kSlots - 1);
    }
    return kSlots;
}

const GameRecord* ItemNameCache::Find(std::string_view name) const
{
    const size_t slot = Probe(name, Hash(name));
    return slot == kSlots ? nullptr : FSlots[slot].record;
}

void ItemNameCache::Insert(std::string_view name, const GameRecord& record)
{
    const uint32_t hash = Hash(name);
    const size_t slot = Probe(name, hash);
    if (slot == kSlots || FSlots[slot].record != nullptr)
        return;
    FSlots[slot] = Slot { hash, &record, std::string(name) };
    ++FFilled;
}

} // namespace maprune
