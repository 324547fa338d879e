// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/fast_region_list.h"

#include <array>

#include "core/error.h"
#include "model/region.h"

namespace maprune {

namespace {

uint64_t gProbes = 0;

uint32_t RotateLeft(uint32_t v, uint32_t n)
{
    n &= 31;
    return n == 0 ? v : (v << n) | (v >> (32 - n));
}

uint32_t RotateRight(uint32_t v, uint32_t n)
{
    n &= 31;
    return n == 0 ? v : (v >> n) | (v << (32 - n));
}

// Tabulation hash: each of the eight input bytes selects one word of its own
// column of the table.
std::array<uint32_t, 2048> MakeTable()
{
    std::array<uint32_t, 2048> w{};
    uint32_t s = 0x12345678u;
    for (uint32_t v = 0; v < 256; ++v) {
        for (uint32_t k = 0; k < 8; ++k) {
            w[8 * v + k] = s;
            const uint64_t p = static_cast<uint64_t>(s) * (v + 1);
            const uint32_t t = static_cast<uint32_t>(p) ^ static_cast<uint32_t>(p >> 32);
            const uint32_t u = RotateLeft(256 * k + v, t % 32) ^ 0x12345678u;
            s = t ^ RotateRight(u, u % 32);
        }
        s += v;
    }
    return w;
}

const std::array<uint32_t, 2048>& Table()
{
    static const std::array<uint32_t, 2048> table = MakeTable();
    return table;
}

uint32_t Hash(uint32_t a, uint32_t b)
{
    const auto& w = Table();
    uint32_t h = 0;
    for (uint32_t k = 0; k < 4; ++k) {
        h ^= w[8 * ((a >> (8 * k)) & 0xFF) + k];
        h ^= w[8 * ((b >> (8 * k)) & 0xFF) + k + 4];
    }
    return h;
}

uint32_t CoordinateHash(int32_t x, int32_t y, int32_t z)
{
    const auto ux = static_cast<uint32_t>(x);
    const auto uy = static_cast<uint32_t>(y);
    const auto uz = static_cast<uint32_t>(z);
    return Hash(ux ^ uz, uy ^ ~uz);
}

} // namespace

TFastRegionList::TFastRegionList(const TRegionList& regions)
{
    const uint64_t wanted = 4 * static_cast<uint64_t>(regions.Count());
    uint32_t capacity = 1;
    while (capacity < wanted && capacity < (1u << 28))
        capacity *= 2;
    FSlots.assign(capacity, nullptr);

    const uint32_t mask = capacity - 1;
    for (TRegion* region : regions) {
        if (region == nullptr)
            continue;
        uint32_t slot = CoordinateHash(region->CX, region->CY, region->CZ) & mask;
        uint32_t tried = 0;
        while (FSlots[slot] != nullptr) {
            if (++tried == capacity)
                throw Error("Error creating TFastRegionList: hash table is full");
            slot = (slot + 1) & mask;
        }
        FSlots[slot] = region;
    }
}

TRegion* TFastRegionList::FindRegion(int32_t x, int32_t y, int32_t z) const
{
    const uint32_t capacity = Capacity();
    const uint32_t mask = capacity - 1;
    uint32_t slot = CoordinateHash(x, y, z) & mask;
    for (uint32_t advanced = 0; advanced < capacity; ++advanced) {
        TRegion* region = FSlots[slot];
        if (region == nullptr)
            return nullptr;
        if (region->CX == x && region->CY == y && region->CZ == z)
            return region;
        slot = (slot + 1) & mask;
        ++gProbes;
    }
    return nullptr;
}

uint64_t TFastRegionList::ProbeCount()
{
    return gProbes;
}

} // namespace maprune
