// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace maprune {

class TMapState;
class TTileRenderer;

// The selected regions of the active layer of the state's report as one
// RGB32 picture exactly as large as their tiles' bounding box, on black,
// each tile drawn by `tiles` (with its options) and combined by a bitwise OR.
// A null picture when no region of the layer is selected; throws Error with
// a message for the user when the picture would exceed the limits of a
// layer picture (kMaxLayerPictureSide, kMaxLayerPicturePixels).
QImage RenderSelectionPicture(TMapState& state, TTileRenderer& tiles);

} // namespace maprune
