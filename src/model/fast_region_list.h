// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace maprune {

class TRegion;
class TRegionList;

// Open-addressing hash index of regions by their coordinates, sized to four
// slots per region so that probe chains stay short. It refers to the regions
// without owning them and must be rebuilt when regions are added, removed or
// moved.
class TFastRegionList {
public:
    // Throws Error("Error creating TFastRegionList: hash table is full") when
    // the regions do not fit (more than 2^28 of them).
    explicit TFastRegionList(const TRegionList& regions);

    // The first inserted region at (x, y, z), or null.
    TRegion* FindRegion(int32_t x, int32_t y, int32_t z) const;
    uint32_t Capacity() const { return static_cast<uint32_t>(FSlots.size()); }

    // Probes beyond the first slot of all lookups so far, for statistics.
    static uint64_t ProbeCount();

private:
    std::vector<TRegion*> FSlots;
};

} // namespace maprune
