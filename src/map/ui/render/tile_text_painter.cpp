// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/tile_text_painter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>

#include "core/model_text.h"
#include "map/ui/render/picture_ids.h"

namespace maprune {

namespace {

// x / 255, rounded, for 0 <= x <= 255 * 255, without a division.
constexpr uint Div255(uint x)
{
    return (x + 128 + ((x + 128) >> 8)) >> 8;
}

} // namespace

QFont DefaultTileFont()
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(10);
    return font;
}

TTileTextPainter::TTileTextPainter(const QFont& font)
    : FFont(font)
{
    const QFontMetrics metrics(font);
    FAscent = metrics.ascent();
    FHeight = metrics.height();
    SetTileSize(picture::kSize);
}

void TTileTextPainter::SetTileSize(int size)
{
    FSize = size;
    FMaskSize = size + 2 * kMargin;
    FMask = QImage(FMaskSize, FMaskSize, QImage::Format_Alpha8);
    FMask.fill(0);
    FLeft = FTop = FRight = FBottom = 0;
    FShadings.clear();
    FShadingBytes = 0;
}

std::u32string TTileTextPainter::Elided(const std::u32string& line, int maxWidth)
{
    if (maxWidth <= 0 || LineWidth(line) <= maxWidth)
        return line;
    constexpr char32_t kEllipsis = U'\u2026';
    std::u32string shown = line;
    while (!shown.empty() && LineWidth(shown) + GlyphOf(kEllipsis).Advance > maxWidth)
        shown.pop_back();
    return shown + kEllipsis;
}

const TTileTextPainter::Glyph& TTileTextPainter::GlyphOf(char32_t character)
{
    auto found = FGlyphs.find(character);
    if (found != FGlyphs.end())
        return found->second;
    const QString text = QString::fromUcs4(&character, 1);
    Glyph glyph;
    glyph.Advance = QFontMetrics(FFont).horizontalAdvance(text);
    glyph.Mask = QImage(std::max(glyph.Advance, 0) + 2 * kGlyphPad, FHeight, QImage::Format_Alpha8);
    glyph.Mask.fill(0);
    QPainter painter(&glyph.Mask);
    painter.setFont(FFont);
    painter.setPen(Qt::black);
    painter.drawText(kGlyphPad, FAscent, text);
    painter.end();
    return FGlyphs.emplace(character, std::move(glyph)).first->second;
}

int TTileTextPainter::LineWidth(const std::u32string& line)
{
    int width = 0;
    for (char32_t character : line)
        width += GlyphOf(character).Advance;
    return width;
}

void TTileTextPainter::PutLine(const std::u32string& line, int x, int y)
{
    int pen = x + kMargin;
    const int top = y + kMargin;
    for (char32_t character : line) {
        const Glyph& glyph = GlyphOf(character);
        const int left = pen - kGlyphPad;
        const int from = std::max(-left, 0);
        const int to = std::min(glyph.Mask.width(), FMaskSize - left);
        const int rows = std::min(glyph.Mask.height(), FMaskSize - top);
        for (int gy = std::max(-top, 0); gy < rows; ++gy) {
            const uchar* source = glyph.Mask.constScanLine(gy);
            uchar* target = FMask.scanLine(top + gy) + left;
            for (int gx = from; gx < to; ++gx)
                target[gx] = std::max(target[gx], source[gx]);
        }
        FLeft = std::min(FLeft, std::max(left, 0));
        FRight = std::max(FRight, std::min(left + glyph.Mask.width(), FMaskSize));
        pen += glyph.Advance;
    }
    FTop = std::min(FTop, std::max(top, 0));
    FBottom = std::max(FBottom, std::min(top + FHeight, FMaskSize));
}

void TTileTextPainter::Write(
    const TileTextLines& lines, int32_t style, QImage& tile, int maxNameWidth)
{
    if (tile.width() != FSize)
        SetTileSize(tile.width());
    // The key is put together in one buffer for all tiles, without an
    // allocation for each.
    const auto number = [this](int32_t value) {
        FKey.append(reinterpret_cast<const char*>(&value), sizeof value);
    };
    FKey.clear();
    number(style);
    number(maxNameWidth);
    number(static_cast<int32_t>(lines.Name.size()));
    FKey += lines.Name;
    FKey += lines.Coordinates;
    auto found = FShadings.find(FKey);
    if (found == FShadings.end()) {
        Shading shading = ShadingOf(lines, style, maxNameWidth);
        size_t bytes = FKey.size() + sizeof(Shading);
        for (const Shading::Group& group : shading.Groups)
            bytes += sizeof(group) + group.Keep.size();
        if (FShadingBytes + bytes > kShadingBudget) {
            FShadings.clear();
            FShadingBytes = 0;
        }
        FShadingBytes += bytes;
        found = FShadings.emplace(FKey, std::move(shading)).first;
    }
    Apply(found->second, tile);
}

TTileTextPainter::Shading TTileTextPainter::ShadingOf(
    const TileTextLines& lines, int32_t style, int maxNameWidth)
{
    const std::u32string name = Elided(DecodeModelText(lines.Name), maxNameWidth);
    const std::u32string coordinates(lines.Coordinates.begin(), lines.Coordinates.end());
    if (name.empty() && coordinates.empty())
        return {};
    const TileTextPlacement placement = PlaceTileText(!name.empty(), LineWidth(name), FHeight,
        !coordinates.empty(), LineWidth(coordinates), FHeight, FSize);

    // Clear what the previous text left in the mask.
    for (int y = FTop; y < FBottom; ++y)
        std::fill_n(FMask.scanLine(y) + FLeft, FRight - FLeft, uchar { 0 });
    FLeft = FMaskSize;
    FTop = FMaskSize;
    FRight = 0;
    FBottom = 0;
    if (placement.Name.Show)
        PutLine(name, placement.Name.X, placement.Name.Y);
    if (placement.Coordinates.Show)
        PutLine(coordinates, placement.Coordinates.X, placement.Coordinates.Y);
    if (FRight <= FLeft || FBottom <= FTop) {
        FLeft = FTop = FRight = FBottom = 0;
        return {};
    }
    return Shade(TextPasses(style));
}

TTileTextPainter::Shading TTileTextPainter::Shade(const std::vector<TextPass>& passes) const
{
    // The passes move the mask by at most one pixel.
    Shading shading;
    shading.Left = std::max(FLeft - kMargin - 1, 0);
    shading.Top = std::max(FTop - kMargin - 1, 0);
    shading.Width = std::min(FRight - kMargin + 1, FSize) - shading.Left;
    shading.Height = std::min(FBottom - kMargin + 1, FSize) - shading.Top;
    size_t first = 0;
    while (first < passes.size()) {
        size_t last = first;
        while (last + 1 < passes.size() && passes[last + 1].White == passes[first].White)
            ++last;
        Shading::Group group;
        group.White = passes[first].White;
        group.Keep.assign(static_cast<size_t>(shading.Width * shading.Height), 255);
        for (size_t p = first; p <= last; ++p) {
            const TextPass& pass = passes[p];
            const int columnFrom = std::max(FLeft, kMargin - pass.DX);
            const int columnTo = std::min(FRight, FSize + kMargin - pass.DX);
            // Mask column mx lands on tile column mx - kMargin + DX.
            const int shift = pass.DX - kMargin - shading.Left;
            for (int my = FTop; my < FBottom; ++my) {
                const int ty = my - kMargin + pass.DY;
                if (ty < 0 || ty >= FSize)
                    continue;
                const uchar* coverage = FMask.constScanLine(my);
                uint8_t* keepRow = group.Keep.data() + (ty - shading.Top) * shading.Width;
                for (int mx = columnFrom; mx < columnTo; ++mx) {
                    if (coverage[mx] != 0) {
                        uint8_t& keep = keepRow[mx + shift];
                        keep = static_cast<uint8_t>(Div255(keep * (255u - coverage[mx])));
                    }
                }
            }
        }
        group.Changed.resize(static_cast<size_t>(shading.Height));
        for (int y = 0; y < shading.Height; ++y) {
            const auto row = group.Keep.begin() + y * shading.Width;
            const auto changed = [](uint8_t keep) { return keep != 255; };
            const auto from = std::find_if(row, row + shading.Width, changed);
            const auto to = std::find_if(std::make_reverse_iterator(row + shading.Width),
                std::make_reverse_iterator(from), changed)
                                .base();
            group.Changed[static_cast<size_t>(y)]
                = { static_cast<int>(from - row), static_cast<int>(to - row) };
        }
        shading.Groups.push_back(std::move(group));
        first = last + 1;
    }
    return shading;
}

void TTileTextPainter::Apply(const Shading& shading, QImage& tile) const
{
    uchar* bits = tile.bits();
    const qsizetype stride = tile.bytesPerLine();
    for (const Shading::Group& group : shading.Groups) {
        for (int y = 0; y < shading.Height; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(bits + (shading.Top + y) * stride) + shading.Left;
            const uint8_t* keepRow = group.Keep.data() + y * shading.Width;
            const auto [from, to] = group.Changed[static_cast<size_t>(y)];
            for (int x = from; x < to; ++x) {
                const uint keep = keepRow[x];
                if (keep == 255)
                    continue;
                // Fully covered: the colour itself, as the blend below gives.
                if (keep == 0) {
                    row[x] = group.White ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
                    continue;
                }
                const QRgb d = row[x];
                const uint r = qRed(d);
                const uint g = qGreen(d);
                const uint b = qBlue(d);
                if (group.White)
                    row[x] = qRgb(255 - Div255((255 - r) * keep), 255 - Div255((255 - g) * keep),
                        255 - Div255((255 - b) * keep));
                else
                    row[x] = qRgb(Div255(r * keep), Div255(g * keep), Div255(b * keep));
            }
        }
    }
}

} // namespace maprune
