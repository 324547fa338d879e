// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "map/hex_geometry.h"

namespace maprune {

class TReport;

// The cells of the active layer on the overview grid: smallest column and
// row, largest column + 1 (the last column a region covers) and largest row,
// all inclusive.
struct OverviewBounds {
    int64_t Left = 0;
    int64_t Top = 0;
    int64_t Right = 0;
    int64_t Bottom = 0;
    bool operator==(const OverviewBounds&) const = default;

    // Columns and rows of the overview picture, 0 for an empty layer.
    int64_t Width() const { return Right >= Left ? Right - Left + 1 : 0; }
    int64_t Height() const { return Bottom >= Top ? Bottom - Top + 1 : 0; }
};

// The map pixels the active layer covers: its tiles span MapWidth x
// MapHeight pixels from (MapLeft, MapTop).
struct MapExtent {
    int64_t MapLeft = 0;
    int64_t MapTop = 0;
    int64_t MapWidth = 0;
    int64_t MapHeight = 0;
    OverviewBounds Overview;
    bool operator==(const MapExtent&) const = default;
};

// The extent of the regions of the report's ActiveLayer. An empty layer gives
// MapLeft = MapTop = 1,000,000,000 and MapWidth = MapHeight =
// -1,999,999,936 (a map smaller than any view) and overview bounds from
// 1,000,000,000 to -1,000,000,000.
MapExtent ComputeMapExtent(const TReport& report, MapLayout layout);

} // namespace maprune
