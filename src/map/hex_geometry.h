// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "model/hex_neighbours.h"

namespace maprune {

// How region coordinates are laid out on the map (the setting KelvaranLayout:
// true is XAxisWestEast). With XAxisWestEast rows of equal CY run from west
// to east, 48 pixels apart, each shifted half a tile against the row below;
// with YAxisNorthSouth columns of equal CX run from north to south, 48
// pixels apart. Tiles are 64 x 64 pixels and overlap by 16 pixels between
// rows (columns); the hexagon inside a tile is pointy-top in the first
// layout and flat-top (the transposed picture) in the second.
enum class MapLayout : uint8_t { XAxisWestEast = 0, YAxisNorthSouth = 1 };

constexpr MapLayout LayoutFromSetting(bool kelvaranLayout)
{
    return kelvaranLayout ? MapLayout::XAxisWestEast : MapLayout::YAxisNorthSouth;
}

constexpr int64_t kTileSize = 64;

// Pixel positions are 64-bit: 64 x a 32-bit coordinate does not fit 32 bits.
struct MapPoint {
    int64_t X = 0;
    int64_t Y = 0;
    bool operator==(const MapPoint&) const = default;
};

// A rectangle with exclusive right and bottom edges; empty when either side
// has no extent.
struct MapRect {
    int64_t Left = 0;
    int64_t Top = 0;
    int64_t Right = 0;
    int64_t Bottom = 0;

    bool Empty() const { return Right <= Left || Bottom <= Top; }
    // Whether the two rectangles share a pixel; never for an empty one.
    bool Intersects(const MapRect& other) const
    {
        return !Empty() && !other.Empty() && Left < other.Right && other.Left < Right
            && Top < other.Bottom && other.Top < Bottom;
    }
    // Whether every pixel of `other` lies in this rectangle; false for an
    // empty `other`.
    bool Contains(const MapRect& other) const
    {
        return !other.Empty() && Left <= other.Left && other.Right <= Right && Top <= other.Top
            && other.Bottom <= Bottom;
    }
    bool Contains(MapPoint p) const
    {
        return Left <= p.X && p.X < Right && Top <= p.Y && p.Y < Bottom;
    }
    MapRect Translated(int64_t dx, int64_t dy) const
    {
        return { Left + dx, Top + dy, Right + dx, Bottom + dy };
    }
    bool operator==(const MapRect&) const = default;
};

// The top-left corner of the tile of region (x, y):
//   XAxisWestEast:   (64x + 32y, -48y)
//   YAxisNorthSouth: (48x, -(64y + 32x))
MapPoint RegionToMapPixel(int32_t x, int32_t y, MapLayout layout);

// The 64 x 64 rectangle of the tile of region (x, y).
MapRect TileRect(int32_t x, int32_t y, MapLayout layout);

// Whether pixel (u, v) of a tile (0 <= u, v < 64) lies inside its hexagon;
// false outside the tile. A pixel belongs to the hexagon that holds its
// centre, so the hexagons of all tiles cover every map pixel exactly once and
// a pixel in the corner of one tile lies in the hexagon of a neighbour.
bool InsideHexagon(int64_t u, int64_t v, MapLayout layout);

// The region coordinates of the hexagon that holds map pixel `p`: the
// reverse of RegionToMapPixel and InsideHexagon. None when the hexagon's
// coordinates leave the 32-bit range (no region can lie there).
std::optional<HexCoordinates> MapPixelToRegion(MapPoint p, MapLayout layout);

// Zoom. The map is drawn with tiles of TileSize x TileSize view pixels
// instead of 64 x 64 map pixels; a tile size is a multiple of 4, so that
// every tile corner (a multiple of 16 in map pixels) lands on a whole view
// pixel and the rows stay 3/4 of a tile apart. The conversions come in
// pairs: a view pixel stands for the map pixel under its centre, so the
// hexagons of the zoomed tiles cover the view exactly once, and drawing and
// hit testing agree at every zoom.
constexpr int64_t kMinTileSize = 4;
constexpr int64_t kMaxTileSize = 128;

// The map pixel under the centre of view pixel `zoomed`; view pixel 0 is map
// pixel 0.
MapPoint ZoomedToMap(MapPoint zoomed, int64_t tileSize);
// The view pixel of map pixel `map` (its top-left corner, rounded down);
// exact for tile corners.
MapPoint MapToZoomed(MapPoint map, int64_t tileSize);
// A length or coordinate in map pixels in view pixels, rounded down.
int64_t ZoomedLength(int64_t mapLength, int64_t tileSize);
// The map pixels the view pixels of `zoomed` stand for (the smallest
// rectangle holding all of them).
MapRect ZoomedRectToMap(const MapRect& zoomed, int64_t tileSize);

// The pixels of tile row `v` (0 <= v < tileSize) that lie in the hexagon of
// a zoomed tile: [Left, Right), empty when the row holds none.
struct TileRowSpan {
    int64_t Left = 0;
    int64_t Right = 0;
};
TileRowSpan HexagonRowSpan(int64_t v, int64_t tileSize, MapLayout layout);

// The overview grid, the same in both layouts: region (x, y) covers the two
// cells (2x + y, -y) and (2x + y + 1, -y); this is the first of them.
MapPoint RegionToOverviewCell(int32_t x, int32_t y);

} // namespace maprune
