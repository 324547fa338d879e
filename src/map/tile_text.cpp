// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/tile_text.h"

#include "model/region.h"

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
    int coordWidth, int coordHeight)
{
    TileTextPlacement placement;
    if (hasName) {
        placement.Name = { true, FloorHalf(64 - nameWidth), 31 - nameHeight };
        placement.Coordinates = { hasCoordinates, FloorHalf(64 - coordWidth), 32 };
    } else if (hasCoordinates) {
        placement.Coordinates = { true, FloorHalf(64 - coordWidth), FloorHalf(64 - coordHeight) };
    }
    return placement;
}

} // namespace maprune
