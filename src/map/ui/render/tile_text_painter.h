// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "map/tile_text.h"

namespace maprune {

// The font of the text lines on the tiles: the application's font at 10
// pixels. Needs a Qt Gui application object.
QFont DefaultTileFont();

// Writes the two text lines of a region into its tile in one of the six
// styles. Each character is drawn once into a coverage mask that is kept;
// a line is put together from them, character by character at the font's
// advances, into the mask of the tile, and each pass of the style blends
// that mask in white or black at its offset. What the passes of one text do
// to a tile, its shading, is kept per text for the tile size, so that a
// redraw only blends, the halo styles no more than the plain ones.
class TTileTextPainter {
public:
    explicit TTileTextPainter(const QFont& font = DefaultTileFont());

    // `lines` holds model bytes (the name) and ASCII (the coordinates);
    // `tile` is a square RGB32 picture (64 x 64 unzoomed). A name wider than
    // `maxNameWidth` pixels (when above 0) is cut and ends in an ellipsis.
    // Writes nothing when both lines are empty.
    void Write(const TileTextLines& lines, int32_t style, QImage& tile, int maxNameWidth = 0);
    // The height of a text line.
    int LineHeight() const { return FHeight; }

private:
    // The coverage of one character with room for parts that reach beyond
    // its advance; drawn with its pen position at x = kGlyphPad.
    struct Glyph {
        QImage Mask;
        int Advance = 0;
    };
    // Per group of consecutive passes of one colour, how much of its colour
    // each tile pixel keeps (255: all), over the rectangle the passes reach
    // in tile coordinates. Blending the colour with weights a1, a2 ... one
    // after the other leaves (1 - a1)(1 - a2)... of the old colour: towards
    // black a pixel becomes c * keep, towards white c + (255 - c) * (1 - keep).
    struct Shading {
        struct Group {
            bool White = false;
            std::vector<uint8_t> Keep;
            // Per row, the columns [first, second) outside which every
            // pixel keeps all: a redraw visits only those.
            std::vector<std::pair<int, int>> Changed;
        };
        int Left = 0;
        int Top = 0;
        int Width = 0;
        int Height = 0;
        std::vector<Group> Groups;
    };
    static constexpr int kGlyphPad = 3;
    // The tile mask has a margin of one pixel for the pass offsets.
    static constexpr int kMargin = 1;
    // The kept shadings of one tile size: a view of a 4K screen needs some
    // thousands; beyond this they are dropped and made anew.
    static constexpr size_t kShadingBudget = 16 << 20;

    void SetTileSize(int size);
    std::u32string Elided(const std::u32string& line, int maxWidth);
    const Glyph& GlyphOf(char32_t character);
    int LineWidth(const std::u32string& line);
    void PutLine(const std::u32string& line, int x, int y);
    Shading ShadingOf(const TileTextLines& lines, int32_t style, int maxNameWidth);
    Shading Shade(const std::vector<TextPass>& passes) const;
    void Apply(const Shading& shading, QImage& tile) const;

    QFont FFont;
    int FAscent = 0;
    int FHeight = 0;
    std::unordered_map<char32_t, Glyph> FGlyphs;
    int FSize = 0; // of the tile
    int FMaskSize = 0;
    QImage FMask;
    // The part of the mask that holds text, in mask coordinates.
    int FLeft = 0;
    int FTop = 0;
    int FRight = 0;
    int FBottom = 0;
    // By style, maximal name width and the two lines.
    std::unordered_map<std::string, Shading> FShadings;
    std::string FKey; // of the text being written
    size_t FShadingBytes = 0;
};

} // namespace maprune
