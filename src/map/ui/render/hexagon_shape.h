// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointF>
#include <QPolygonF>

#include "map/hex_geometry.h"

namespace maprune {

// Shapes of the hexagon of a 64 x 64 tile for the built-in pictures. The
// pixels of the hexagon are exactly those of InsideHexagon, so the pictures
// tile the map without gaps and agree with the hit test.

// The hexagon's corners, moved `inset` pixels towards the centre.
QPolygonF HexagonPolygon(MapLayout layout, double inset = 0);

// The middle of the tile edge shared with the neighbour in `slot` (0 .. 5),
// half way between the two tile centres.
QPointF SlotEdgeMiddle(int slot, MapLayout layout);

// Whether pixel (u, v) lies in the hexagon but within `width` pixels (along
// the axes) of a pixel outside it.
bool OnHexagonRim(int u, int v, int width, MapLayout layout);

// Sets every pixel of the 64 x 64 RGB32 `image` outside the hexagon to black
// (the transparent colour and the neutral value of the bitwise OR).
void ClearOutsideHexagon(QImage& image, MapLayout layout);

// ClearOutsideHexagon, and every black pixel inside becomes 0x010101, so
// that in a picture that fills the hexagon black means "outside" only.
void CutToHexagon(QImage& image, MapLayout layout);

// The transposed picture: pixel (x, y) moves to (y, x).
QImage Transposed(const QImage& image);

} // namespace maprune
