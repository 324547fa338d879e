// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/sprite.h"

#include "map/ui/render/picture_ids.h"

namespace maprune {

TSprite::TSprite(const QImage& image)
    : FImage(image.convertToFormat(QImage::Format_RGB32))
{
    const QRgb key = FImage.pixel(0, picture::kSize - 1) & 0xFFFFFF;
    for (int y = 0; y < picture::kSize; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(FImage.constScanLine(y));
        for (int x = 0; x < picture::kSize; ++x) {
            if ((row[x] & 0xFFFFFF) != key)
                FPixels.push_back(
                    { static_cast<uint16_t>(y * picture::kSize + x), row[x] | 0xFF000000 });
        }
    }
}

void TSprite::DrawOnto(QImage& tile) const
{
    auto* bits = reinterpret_cast<QRgb*>(tile.bits());
    for (const Pixel& pixel : FPixels)
        bits[pixel.Offset] = pixel.Colour;
}

TPaletteTemplate::TPaletteTemplate(const QImage& image)
    : FEntries(static_cast<size_t>(picture::kSize * picture::kSize))
    , FPalette(256, 0xFF000000)
{
    const QVector<QRgb> table = image.colorTable();
    for (qsizetype i = 0; i < table.size() && i < 256; ++i)
        FPalette[static_cast<size_t>(i)] = table[i] | 0xFF000000;
    for (int y = 0; y < picture::kSize; ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < picture::kSize; ++x)
            FEntries[static_cast<size_t>(y * picture::kSize + x)] = row[x];
    }
}

void TPaletteTemplate::Expand(const Palette& palette, QImage& tile) const
{
    auto* bits = reinterpret_cast<QRgb*>(tile.bits());
    for (size_t i = 0; i < FEntries.size(); ++i)
        bits[i] = palette[FEntries[i]];
}

} // namespace maprune
