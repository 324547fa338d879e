// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace maprune {

// A 64 x 64 picture drawn transparently: its transparent colour is the colour
// of its bottom-left pixel (compared without alpha), and only the pixels of
// other colours are drawn.
class TSprite {
public:
    TSprite() = default;
    // `image` must be 64 x 64; it is used as RGB32.
    explicit TSprite(const QImage& image);

    // Copies the visible pixels onto a 64 x 64 RGB32 tile whose rows follow
    // one another without gap (a QImage of that size).
    void DrawOnto(QImage& tile) const;

    const QImage& Image() const { return FImage; }
    bool Empty() const { return FPixels.empty(); }

private:
    struct Pixel {
        uint16_t Offset; // y * 64 + x
        QRgb Colour;
    };
    QImage FImage;
    std::vector<Pixel> FPixels;
};

// A 64 x 64 palette picture: the entry of each pixel and the palette it was
// loaded with (256 entries, unused ones black).
class TPaletteTemplate {
public:
    TPaletteTemplate() = default;
    // `image` must be a 64 x 64 Format_Indexed8 picture.
    explicit TPaletteTemplate(const QImage& image);

    using Palette = std::vector<QRgb>;
    const Palette& LoadedPalette() const { return FPalette; }

    // Writes the picture with `palette` (256 entries) into a 64 x 64 RGB32
    // tile.
    void Expand(const Palette& palette, QImage& tile) const;

    // The palette entry of the tile's bottom-left pixel, whose colour is the
    // transparent colour.
    int TransparentEntry() const { return FEntries.empty() ? 0 : FEntries[63 * 64]; }
    int EntryAt(int x, int y) const { return FEntries[static_cast<size_t>(y * 64 + x)]; }

private:
    std::vector<uint8_t> FEntries;
    Palette FPalette;
};

} // namespace maprune
