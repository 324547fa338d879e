// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "map/map_extent.h"

namespace maprune {

// The zoom steps of the main map, as tile sizes in pixels. Zooming out ends
// at the whole-layer view (the largest tile size at which the active layer
// fits the view), zooming in at twice the tile size (128).

// A stored tile size made usable: rounded down to a multiple of 4 within
// kMinTileSize .. kMaxTileSize; 64 for a value outside that range.
int64_t ValidTileSize(int64_t stored);

// The largest tile size, a multiple of 4 not above 64, at which the tiles
// of `extent` fit a view of viewWidth x viewHeight pixels; kMinTileSize when
// not even that fits, 64 for an empty layer.
int64_t WholeLayerTileSize(const MapExtent& extent, int64_t viewWidth, int64_t viewHeight);

// The tile size one step from `current`: zooming in (direction > 0) the
// next larger step up to 128, zooming out the next smaller one down to
// `wholeLayer`. The steps are 8, 12, 16, 24, 32, 48, 64, 96 and 128, and
// the whole-layer size itself.
int64_t NextTileSize(int64_t current, int direction, int64_t wholeLayer);

// The smallest tile sizes that still show the names and coordinates and the
// icons of a tile: below them the text and the icons could not be read.
constexpr int64_t kMinTextTileSize = 48;
constexpr int64_t kMinIconTileSize = 32;

} // namespace maprune
