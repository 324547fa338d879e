// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace maprune {

struct HexCoordinates {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const HexCoordinates&) const = default;
};

// The six neighbour slots: slot d holds the region at (CX + X, CY + Y) of
// entry d; with the map layout XAxisWestEast they lie west, north-west,
// north-east, east, south-east and south-west.
constexpr std::array<HexCoordinates, 6> kNeighbourOffsets { { { -1, 0 }, { -1, 1 }, { 0, 1 },
    { 1, 0 }, { 1, -1 }, { 0, -1 } } };

} // namespace maprune
