// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>

#include "map/map_extent.h"

namespace maprune {

class TMapState;
class TTileRenderer;

// The largest picture of a whole layer: a side of at most 16384 pixels and
// at most 2^27 pixels (512 MiB) in all. Far-apart coordinates would ask for
// far more.
constexpr int64_t kMaxLayerPictureSide = 16384;
constexpr int64_t kMaxLayerPicturePixels = int64_t { 1 } << 27;

// The active layer of the state's report as one picture, every region drawn
// by `tiles` (with its options and the state's colours as they are) exactly
// as on the map, without a current region. A picture that would exceed the
// limits above is drawn with the largest smaller tile size that keeps within
// them, which is left in the options of `tiles`. Throws Error with a message
// for the user when the layer has no region or even the smallest tiles
// exceed the limits.
QImage RenderLayerPicture(TMapState& state, TTileRenderer& tiles);

} // namespace maprune
