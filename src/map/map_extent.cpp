// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_extent.h"

#include <algorithm>

#include "model/report.h"

namespace maprune {

MapExtent ComputeMapExtent(const TReport& report, MapLayout layout)
{
    constexpr int64_t kEmptyLow = 1'000'000'000;
    constexpr int64_t kEmptyHigh = -1'000'000'000;
    MapExtent extent;
    bool any = false;
    MapRect tiles;
    OverviewBounds& cells = extent.Overview;
    // The first region sets the bounds: fixed start values would cut off
    // regions lying beyond them.
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr || region->CZ != report.ActiveLayer)
            continue;
        const MapPoint p = RegionToMapPixel(region->CX, region->CY, layout);
        const MapPoint cell = RegionToOverviewCell(region->CX, region->CY);
        if (!any) {
            tiles = { p.X, p.Y, p.X, p.Y };
            cells = { cell.X, cell.Y, cell.X + 1, cell.Y };
            any = true;
            continue;
        }
        tiles.Left = std::min(tiles.Left, p.X);
        tiles.Top = std::min(tiles.Top, p.Y);
        tiles.Right = std::max(tiles.Right, p.X);
        tiles.Bottom = std::max(tiles.Bottom, p.Y);
        cells.Left = std::min(cells.Left, cell.X);
        cells.Top = std::min(cells.Top, cell.Y);
        cells.Right = std::max(cells.Right, cell.X + 1);
        cells.Bottom = std::max(cells.Bottom, cell.Y);
    }
    if (!any) {
        tiles = { kEmptyLow, kEmptyLow, kEmptyHigh, kEmptyHigh };
        cells = { kEmptyLow, kEmptyLow, kEmptyHigh, kEmptyHigh };
    }
    extent.MapLeft = tiles.Left;
    extent.MapTop = tiles.Top;
    extent.MapWidth = tiles.Right - tiles.Left + kTileSize;
    extent.MapHeight = tiles.Bottom - tiles.Top + kTileSize;
    return extent;
}

} // namespace maprune
