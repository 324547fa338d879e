// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

#include "map/hex_geometry.h"

namespace maprune {

// A square picture (64 x 64, or a tile of another size after Scaled) drawn
// transparently: its transparent colour is the colour of its bottom-left
// pixel (compared without alpha), and only the pixels of other colours are
// drawn.
class TSprite {
public:
    TSprite() = default;
    // `image` must be square, at most 128 pixels; it is used as RGB32.
    explicit TSprite(const QImage& image);

    // The sprite for tiles of `size` pixels: each tile pixel whose centre
    // lies in the hexagon takes, when zooming out, the mean colour of the
    // visible pixels under it if they cover at least a quarter of it (so
    // that thin streets and marks stay visible), when zooming in the pixel
    // under its centre.
    TSprite Scaled(int size, MapLayout layout) const;

    // Copies the visible pixels onto an RGB32 tile of the sprite's size
    // whose rows follow one another without gap (a QImage of that size).
    void DrawOnto(QImage& tile) const;

    const QImage& Image() const { return FImage; }
    bool Empty() const { return FPixels.empty(); }

private:
    struct Pixel {
        uint16_t Offset; // y * size + x
        QRgb Colour;
    };
    QImage FImage;
    std::vector<Pixel> FPixels;
};

// A square palette picture: the entry of each pixel and the palette it was
// loaded with (256 entries, unused ones black).
class TPaletteTemplate {
public:
    TPaletteTemplate() = default;
    // `image` must be a 64 x 64 Format_Indexed8 picture.
    explicit TPaletteTemplate(const QImage& image);

    // The template for tiles of `size` pixels: each pixel takes the entry
    // under its centre.
    TPaletteTemplate Scaled(int size) const;

    using Palette = std::vector<QRgb>;
    const Palette& LoadedPalette() const { return FPalette; }

    // Writes the picture with `palette` (256 entries) into an RGB32 tile of
    // the template's size.
    void Expand(const Palette& palette, QImage& tile) const;

    int Size() const { return FSize; }
    // The palette entry of the tile's bottom-left pixel, whose colour is the
    // transparent colour.
    int TransparentEntry() const
    {
        return FEntries.empty() ? 0 : FEntries[static_cast<size_t>((FSize - 1) * FSize)];
    }
    int EntryAt(int x, int y) const { return FEntries[static_cast<size_t>(y * FSize + x)]; }

private:
    // Runs of one entry in pixel order: Expand fills them, a template
    // holding few runs per row.
    struct Run {
        uint8_t Entry = 0;
        int Length = 0;
    };
    void FindRuns();

    int FSize = 64;
    std::vector<uint8_t> FEntries;
    std::vector<Run> FRuns;
    Palette FPalette;
};

// The terrain picture `picture` (64 x 64 RGB32, black outside the hexagon)
// for tiles of `size` pixels: each pixel whose centre lies in the hexagon
// takes the mean colour of the hexagon's pixels under it (zooming out) or
// the pixel under its centre (zooming in); the others are black.
QImage ScaledTerrain(const QImage& picture, int size, MapLayout layout);

} // namespace maprune
