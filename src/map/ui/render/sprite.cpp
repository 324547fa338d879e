// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/sprite.h"

#include "map/ui/render/picture_ids.h"
#include "map/ui/render/pixel_rows.h"

#include <algorithm>

namespace maprune {

namespace {

// The source pixels under tile pixel `t` of a tile of `size` pixels, along
// one axis: [First, Last); when zooming in, only the one under its centre.
struct SourceRange {
    int First = 0;
    int Last = 0;
};

SourceRange SourceUnder(int t, int size)
{
    const auto centre = static_cast<int>(ZoomedToMap({ t, 0 }, size).X);
    if (size >= picture::kSize)
        return { centre, centre + 1 };
    return { t * picture::kSize / size, std::max((t + 1) * picture::kSize / size, centre + 1) };
}

bool CentreInHexagon(int u, int v, int size, MapLayout layout)
{
    const MapPoint centre = ZoomedToMap({ u, v }, size);
    return InsideHexagon(centre.X, centre.Y, layout);
}

// Sums of the channels of some pixels.
struct ColourSum {
    uint32_t R = 0;
    uint32_t G = 0;
    uint32_t B = 0;
    uint32_t Count = 0;

    void Add(QRgb c)
    {
        R += static_cast<uint32_t>(qRed(c));
        G += static_cast<uint32_t>(qGreen(c));
        B += static_cast<uint32_t>(qBlue(c));
        ++Count;
    }
    QRgb Mean() const
    {
        return qRgb(
            static_cast<int>(R / Count), static_cast<int>(G / Count), static_cast<int>(B / Count));
    }
};

} // namespace

TSprite::TSprite(const QImage& image)
    : FImage(image.convertToFormat(QImage::Format_RGB32))
{
    const int size = FImage.width();
    const QRgb key = FImage.pixel(0, size - 1) & 0xFFFFFF;
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(FImage.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            if ((row[x] & 0xFFFFFF) != key)
                FPixels.push_back({ static_cast<uint16_t>(y * size + x), row[x] | 0xFF000000 });
        }
    }
}

TSprite TSprite::Scaled(int size, MapLayout layout) const
{
    const QRgb key = FImage.isNull() ? 0 : FImage.pixel(0, FImage.height() - 1) & 0xFFFFFF;
    // The transparent colour must not be one that a visible pixel takes.
    const QRgb transparent = key == 0xFF00FF ? 0xFFFF00FE : 0xFFFF00FF;
    QImage scaled(size, size, QImage::Format_RGB32);
    scaled.fill(transparent);
    if (FImage.isNull())
        return TSprite(scaled);
    for (int v = 0; v < size; ++v) {
        const SourceRange rows = SourceUnder(v, size);
        auto* target = reinterpret_cast<QRgb*>(scaled.scanLine(v));
        for (int u = 0; u < size; ++u) {
            if (!CentreInHexagon(u, v, size, layout))
                continue;
            const SourceRange columns = SourceUnder(u, size);
            ColourSum visible;
            for (int y = rows.First; y < rows.Last; ++y) {
                const auto* source = reinterpret_cast<const QRgb*>(FImage.constScanLine(y));
                for (int x = columns.First; x < columns.Last; ++x) {
                    if ((source[x] & 0xFFFFFF) != key)
                        visible.Add(source[x]);
                }
            }
            const auto area
                = static_cast<uint32_t>((rows.Last - rows.First) * (columns.Last - columns.First));
            if (visible.Count > 0 && 4 * visible.Count >= area)
                target[u] = visible.Mean();
        }
    }
    TSprite result;
    result.FImage = scaled;
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            if (row[x] != transparent)
                result.FPixels.push_back(
                    { static_cast<uint16_t>(y * size + x), row[x] | 0xFF000000 });
        }
    }
    return result;
}

QImage ScaledTerrain(const QImage& picture, int size, MapLayout layout)
{
    QImage scaled(size, size, QImage::Format_RGB32);
    scaled.fill(0xFF000000);
    for (int v = 0; v < size; ++v) {
        const SourceRange rows = SourceUnder(v, size);
        auto* target = reinterpret_cast<QRgb*>(scaled.scanLine(v));
        for (int u = 0; u < size; ++u) {
            if (!CentreInHexagon(u, v, size, layout))
                continue;
            const SourceRange columns = SourceUnder(u, size);
            ColourSum inside;
            for (int y = rows.First; y < rows.Last; ++y) {
                const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
                for (int x = columns.First; x < columns.Last; ++x) {
                    if (InsideHexagon(x, y, layout))
                        inside.Add(source[x]);
                }
            }
            if (inside.Count == 0)
                inside.Add(picture.pixel(columns.First, rows.First));
            target[u] = inside.Mean();
        }
    }
    return scaled;
}

void TSprite::DrawOnto(QImage& tile) const
{
    auto* bits = reinterpret_cast<QRgb*>(tile.bits());
    for (const Pixel& pixel : FPixels)
        bits[pixel.Offset] = pixel.Colour;
}

TPaletteTemplate TPaletteTemplate::Scaled(int size) const
{
    TPaletteTemplate result;
    result.FSize = size;
    result.FPalette = FPalette;
    result.FEntries.resize(static_cast<size_t>(size * size));
    if (!FEntries.empty()) {
        for (int v = 0; v < size; ++v) {
            for (int u = 0; u < size; ++u) {
                const MapPoint centre = ZoomedToMap({ u, v }, size);
                result.FEntries[static_cast<size_t>(v * size + u)] = static_cast<uint8_t>(
                    EntryAt(static_cast<int>(centre.X), static_cast<int>(centre.Y)));
            }
        }
    }
    result.FindRuns();
    return result;
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
    FindRuns();
}

void TPaletteTemplate::Expand(const Palette& palette, QImage& tile) const
{
    auto* bits = reinterpret_cast<QRgb*>(tile.bits());
    for (const Run& run : FRuns)
        bits = FillPixels(bits, static_cast<size_t>(run.Length), palette[run.Entry]);
}

void TPaletteTemplate::FindRuns()
{
    FRuns.clear();
    for (const uint8_t entry : FEntries) {
        if (FRuns.empty() || FRuns.back().Entry != entry)
            FRuns.push_back({ entry, 0 });
        ++FRuns.back().Length;
    }
}

} // namespace maprune
