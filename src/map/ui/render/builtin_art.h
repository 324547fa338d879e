// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "map/hex_geometry.h"

namespace maprune {

// The built-in map pictures, drawn when the program starts. Every picture is
// 64 x 64 with a black surround.
//
// Every picture is drawn for `layout`: the hexagon shapes follow it, street
// pieces and route marks point at the neighbours' edges and icons sit in
// the corners of the hexagon. (Picture files, by contrast, hold pointy-top
// terrain hexagons, which are transposed for the other layout.) Palette
// templates
// (22, 31 .. 37) are 8-bit palette pictures with 16 entries; the others are
// RGB32. Returns a null image for an id outside 1 .. 37.
QImage BuiltinPicture(int id, MapLayout layout);

// Parts of BuiltinPicture.
QImage TerrainArt(int terrainIndex, MapLayout layout);
QImage SymbolArt(int id, MapLayout layout);
QImage TemplateArt(int id, MapLayout layout);

} // namespace maprune
