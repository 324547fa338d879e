// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/changes/key_index.h"

namespace maprune {

KeyIndex::KeyIndex(size_t expected)
{
    size_t size = 16;
    while (size < 2 * expected)
        size *= 2;
    FSlots.resize(size);
    FMask = size - 1;
}

size_t KeyIndex::First(int32_t a, int32_t b, int32_t c) const
{
    uint64_t h = static_cast<uint32_t>(a) * 0x9E3779B97F4A7C15ULL;
    h ^= (h >> 29) + static_cast<uint32_t>(b) * 0xBF58476D1CE4E5B9ULL;
    h ^= (h >> 31) + static_cast<uint32_t>(c) * 0x94D049BB133111EBULL;
    h ^= h >> 32;
    return static_cast<size_t>(h) & FMask;
}

void KeyIndex::Add(int32_t a, int32_t b, int32_t c, int32_t value)
{
    // At most half full, so that every search meets an empty slot soon.
    if (2 * (FCount + 1) > FSlots.size()) {
        std::vector<Slot> old(FSlots.size() * 2);
        old.swap(FSlots);
        FMask = FSlots.size() - 1;
        FCount = 0;
        for (const Slot& slot : old) {
            if (slot.Value != -1)
                Add(slot.A, slot.B, slot.C, slot.Value);
        }
    }
    for (size_t at = First(a, b, c);; at = (at + 1) & FMask) {
        Slot& slot = FSlots[at];
        if (slot.Value == -1) {
            slot = { a, b, c, value };
            ++FCount;
            return;
        }
        if (slot.A == a && slot.B == b && slot.C == c)
            return;
    }
}

int32_t KeyIndex::Find(int32_t a, int32_t b, int32_t c) const
{
    for (size_t at = First(a, b, c);; at = (at + 1) & FMask) {
        const Slot& slot = FSlots[at];
        if (slot.Value == -1)
            return -1;
        if (slot.A == a && slot.B == b && slot.C == c)
            return slot.Value;
    }
}

} // namespace maprune
