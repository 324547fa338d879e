// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include <cstdint>

#include "map/tile_text.h"

namespace maprune {

// The font of the text lines on the tiles: the application's font at 10
// pixels. Needs a Qt Gui application object.
QFont DefaultTileFont();

// Writes the two text lines of a region into its tile in one of the six
// styles. The lines are laid out once into a coverage mask; each pass of the
// style blends the mask in white or black at its offset, so the halo styles
// cost no more text layout than the plain ones.
class TTileTextPainter {
public:
    explicit TTileTextPainter(const QFont& font = DefaultTileFont());

    // `lines` holds model bytes (the name) and ASCII (the coordinates);
    // `tile` is a 64 x 64 RGB32 picture. Writes nothing when both lines are
    // empty.
    void Write(const TileTextLines& lines, int32_t style, QImage& tile);

private:
    // The mask is the tile with a margin of one pixel for the pass offsets.
    static constexpr int kMargin = 1;

    void Blend(const TextPass& pass, QImage& tile) const;

    QFont FFont;
    QFontMetrics FMetrics;
    QImage FMask;
    // The part of the mask that holds text, in mask coordinates.
    int FLeft = 0;
    int FTop = 0;
    int FRight = 0;
    int FBottom = 0;
};

} // namespace maprune
