// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/hex_geometry.h"

#include <algorithm>
#include <limits>

namespace maprune {

namespace {

int64_t FloorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

bool FitsInt32(int64_t v)
{
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

// Pointy-top hexagon with the corners (32,0) (64,16) (64,48) (32,64) (0,48)
// (0,16), tested at the pixel centre in doubled coordinates: the centre of
// pixel (u, v) is (2u+1, 2v+1)/2, which never lies on an edge.
bool InsidePointyHexagon(int64_t u, int64_t v)
{
    const int64_t du = 2 * u + 1 - kTileSize;
    const int64_t dv = 2 * v + 1;
    const int64_t distance = du < 0 ? -du : du;
    return distance < 2 * std::min(dv, 2 * kTileSize - dv);
}

} // namespace

MapPoint RegionToMapPixel(int32_t x, int32_t y, MapLayout layout)
{
    const int64_t cx = x;
    const int64_t cy = y;
    if (layout == MapLayout::XAxisWestEast)
        return { 64 * cx + 32 * cy, -48 * cy };
    return { 48 * cx, -(64 * cy + 32 * cx) };
}

MapRect TileRect(int32_t x, int32_t y, MapLayout layout)
{
    const MapPoint p = RegionToMapPixel(x, y, layout);
    return { p.X, p.Y, p.X + kTileSize, p.Y + kTileSize };
}

bool InsideHexagon(int64_t u, int64_t v, MapLayout layout)
{
    if (u < 0 || v < 0 || u >= kTileSize || v >= kTileSize)
        return false;
    // The flat-top pictures are the pointy-top ones transposed.
    return layout == MapLayout::XAxisWestEast ? InsidePointyHexagon(u, v)
                                              : InsidePointyHexagon(v, u);
}

std::optional<HexCoordinates> MapPixelToRegion(MapPoint p, MapLayout layout)
{
    // Tiles of 32-bit coordinates lie within 2^38 pixels of the origin; the
    // bound keeps the arithmetic below far from overflowing.
    constexpr int64_t kFarOut = int64_t { 1 } << 40;
    if (p.X > kFarOut || p.X < -kFarOut || p.Y > kFarOut || p.Y < -kFarOut)
        return std::nullopt;
    // Estimate the region from the tile centres, then test the tiles around
    // the estimate: the hexagon holding p has its centre within 37 pixels of
    // p, so it is among them.
    const bool rows = layout == MapLayout::XAxisWestEast;
    const int64_t major = rows ? FloorDiv(32 - p.Y, 48) : FloorDiv(p.X - 32, 48);
    for (int64_t a = major - 1; a <= major + 1; ++a) {
        const int64_t minor
            = rows ? FloorDiv(p.X - 32 - 32 * a, 64) : FloorDiv(32 - p.Y - 32 * a, 64);
        for (int64_t b = minor - 1; b <= minor + 1; ++b) {
            const int64_t cx = rows ? b : a;
            const int64_t cy = rows ? a : b;
            const int64_t left = rows ? 64 * cx + 32 * cy : 48 * cx;
            const int64_t top = rows ? -48 * cy : -(64 * cy + 32 * cx);
            if (InsideHexagon(p.X - left, p.Y - top, layout)) {
                if (!FitsInt32(cx) || !FitsInt32(cy))
                    return std::nullopt;
                return HexCoordinates { static_cast<int32_t>(cx), static_cast<int32_t>(cy) };
            }
        }
    }
    return std::nullopt;
}

MapPoint ZoomedToMap(MapPoint zoomed, int64_t tileSize)
{
    // The centre of view pixel z lies at map pixel (2z + 1) * 32 / tileSize.
    return { FloorDiv((2 * zoomed.X + 1) * (kTileSize / 2), tileSize),
        FloorDiv((2 * zoomed.Y + 1) * (kTileSize / 2), tileSize) };
}

MapPoint MapToZoomed(MapPoint map, int64_t tileSize)
{
    return { ZoomedLength(map.X, tileSize), ZoomedLength(map.Y, tileSize) };
}

int64_t ZoomedLength(int64_t mapLength, int64_t tileSize)
{
    return FloorDiv(mapLength * tileSize, kTileSize);
}

MapRect ZoomedRectToMap(const MapRect& zoomed, int64_t tileSize)
{
    if (zoomed.Empty())
        return {};
    const MapPoint first = ZoomedToMap({ zoomed.Left, zoomed.Top }, tileSize);
    const MapPoint last = ZoomedToMap({ zoomed.Right - 1, zoomed.Bottom - 1 }, tileSize);
    return { first.X, first.Y, last.X + 1, last.Y + 1 };
}

TileRowSpan HexagonRowSpan(int64_t v, int64_t tileSize, MapLayout layout)
{
    TileRowSpan span { tileSize, 0 };
    const int64_t mapV = ZoomedToMap({ 0, v }, tileSize).Y;
    for (int64_t u = 0; u < tileSize; ++u) {
        if (InsideHexagon(ZoomedToMap({ u, 0 }, tileSize).X, mapV, layout)) {
            span.Left = std::min(span.Left, u);
            span.Right = u + 1;
        }
    }
    if (span.Right <= span.Left)
        return {};
    return span;
}

MapPoint RegionToOverviewCell(int32_t x, int32_t y)
{
    const int64_t cx = x;
    const int64_t cy = y;
    return { 2 * cx + cy, -cy };
}

} // namespace maprune
