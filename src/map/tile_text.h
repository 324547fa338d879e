// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "map/hex_geometry.h"

namespace maprune {

class TRegion;

// The two text lines of a region's tile: its name (model bytes) and "CX:CY".
// A hidden line is empty.
struct TileTextLines {
    std::string Name;
    std::string Coordinates;
};
TileTextLines TextLinesOf(const TRegion& region, bool hideNames, bool hideCoordinates);

// One pass of writing both lines: in white or black, moved by (DX, DY).
struct TextPass {
    int DX = 0;
    int DY = 0;
    bool White = false;
    bool operator==(const TextPass&) const = default;
};

// The number of text styles (the setting TextStyle runs through 0 .. 5).
constexpr int kTextStyleCount = 6;

// The passes of text style `style` in drawing order:
//   0 black; 1 white; 2 white at (+1,+1), then black; 3 black at (+1,+1),
//   then white; 4 white at the four axis neighbours, then black;
//   5 black at the four axis neighbours, then white.
// A style outside 0 .. 5 writes like style 0.
std::vector<TextPass> TextPasses(int32_t style);

// Where the lines of one pass go in a 64 x 64 tile, before the pass offset:
// the top-left corners of their boxes. Show is false for a line that is not
// written.
struct TextPlacement {
    bool Show = false;
    int X = 0;
    int Y = 0;
};
struct TileTextPlacement {
    TextPlacement Name;
    TextPlacement Coordinates;
};

// With a name, it ends just above the middle (y = 31 - its height in a tile
// of 64 pixels, size / 2 - 1 - height in one of `tileSize`) and the
// coordinates start at the middle (y = 32); without a name the coordinates
// are centred vertically. Each line is centred horizontally ((size - width)
// div 2, rounded down). Widths and heights are those of the lines in the
// tile's font.
TileTextPlacement PlaceTileText(bool hasName, int nameWidth, int nameHeight, bool hasCoordinates,
    int coordWidth, int coordHeight, int tileSize = 64);

// The widest a name line of `lineHeight` pixels may be in a tile of
// `tileSize` pixels so that it stays within the hexagon, one pixel clear of
// its edges at every row the line covers.
int MaxNameWidth(int tileSize, int lineHeight, MapLayout layout);

} // namespace maprune
