// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/tile_text.h"

#include "model/region.h"

#include <algorithm>

namespace maprune {

namespace {

int FloorHalf(int value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

} // namespace

TileTextLines TextLinesOf(const TRegion& region, bool hideNames, bool hideCoordinates)
{
    TileTextLines lines;
    if (!hideNames)
        lines.Name = region.Name;
    if (!hideCoordinates)
        lines.Coordinates = std::to_string(region.CX) + ":" + std::to_string(region.CY);
    return lines;
}

std::vector<TextPass> TextPasses(int32_t style)
{
    constexpr TextPass kAround[]
        = { { -1, 0, false }, { 1, 0, false }, { 0, -1, false }, { 0, 1, false } };
    auto around = [&](bool white) {
        std::vector<TextPass> passes;
        for (TextPass pass : kAround) {
            pass.White = white;
            passes.push_back(pass);
        }
        passes.push_back({ 0, 0, !white });
        return passes;
    };
    switch (style) {
    case 1:
        return { { 0, 0, true } };
    case 2:
        return { { 1, 1, true }, { 0, 0, false } };
    case 3:
        return { { 1, 1, false }, { 0, 0, true } };
    case 4:
        return around(true);
    case 5:
        return around(false);
    default:
        return { { 0, 0, false } };
    }
}

TileTextPlacement PlaceTileText(bool hasName, int nameWidth, int nameHeight, bool hasCoordinates,
    int coordWidth, int coordHeight, int tileSize)
{
    TileTextPlacement placement;
    const int middle = tileSize / 2;
    if (hasName) {
        placement.Name = { true, FloorHalf(tileSize - nameWidth), middle - 1 - nameHeight };
        placement.Coordinates = { hasCoordinates, FloorHalf(tileSize - coordWidth), middle };
    } else if (hasCoordinates) {
        placement.Coordinates
            = { true, FloorHalf(tileSize - coordWidth), FloorHalf(tileSize - coordHeight) };
    }
    return placement;
}

int MaxNameWidth(int tileSize, int lineHeight, MapLayout layout)
{
    // The line is centred, so the narrower half of each row counts twice.
    const int middle = tileSize / 2;
    int width = tileSize;
    for (int v = std::max(middle - 1 - lineHeight, 0); v < middle - 1; ++v) {
        const TileRowSpan span = HexagonRowSpan(v, tileSize, layout);
        const int64_t half = std::min<int64_t>(middle - span.Left, span.Right - middle);
        width = std::min(width, static_cast<int>(2 * half) - 2);
    }
    return std::max(width, 0);
}

} // namespace maprune
