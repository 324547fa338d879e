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
    FKeep.assign(static_cast<size_t>(size * size), 0);
    FLeft = FTop = FRight = FBottom = 0;
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
    const std::u32string name = Elided(DecodeModelText(lines.Name), maxNameWidth);
    const std::u32string coordinates(lines.Coordinates.begin(), lines.Coordinates.end());
    if (name.empty() && coordinates.empty())
        return;
    const TileTextPlacement placement = PlaceTileText(!name.empty(), LineWidth(name), FHeight,
        !coordinates.empty(), LineWidth(coordinates), FHeight, FSize);

    // Clear what the previous tile left in the mask.
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
        return;
    }
    Blend(TextPasses(style), tile);
}

void TTileTextPainter::BlendOne(const TextPass& pass, QImage& tile) const
{
    auto* bits = reinterpret_cast<QRgb*>(tile.bits());
    const int columnFrom = std::max(FLeft, kMargin - pass.DX);
    const int columnTo = std::min(FRight, FSize + kMargin - pass.DX);
    for (int my = FTop; my < FBottom; ++my) {
        const int ty = my - kMargin + pass.DY;
        if (ty < 0 || ty >= FSize)
            continue;
        const uchar* coverage = FMask.constScanLine(my);
        QRgb* row = bits + ty * FSize - kMargin + pass.DX;
        for (int mx = columnFrom; mx < columnTo; ++mx) {
            const uint a = coverage[mx];
            if (a == 0)
                continue;
            const QRgb d = row[mx];
            const uint r = qRed(d);
            const uint g = qGreen(d);
            const uint b = qBlue(d);
            if (pass.White)
                row[mx] = qRgb(r + Div255((255 - r) * a), g + Div255((255 - g) * a),
                    b + Div255((255 - b) * a));
            else
                row[mx] = qRgb(Div255(r * (255 - a)), Div255(g * (255 - a)), Div255(b * (255 - a)));
        }
    }
}

void TTileTextPainter::Blend(const std::vector<TextPass>& passes, QImage& tile)
{
    // Consecutive passes of one colour are blended at once: blending the
    // colour with weights a1, a2 ... one after the other leaves
    // (1 - a1)(1 - a2)... of the old colour, which is summed up per pixel in
    // FKeep first. Towards black a pixel becomes c * keep, towards white
    // c + (255 - c) * (1 - keep).
    auto* bits = reinterpret_cast<QRgb*>(tile.bits());
    const int left = std::max(FLeft - kMargin - 1, 0);
    const int right = std::min(FRight - kMargin + 1, FSize);
    const int top = std::max(FTop - kMargin - 1, 0);
    const int bottom = std::min(FBottom - kMargin + 1, FSize);
    size_t first = 0;
    while (first < passes.size()) {
        size_t last = first;
        while (last + 1 < passes.size() && passes[last + 1].White == passes[first].White)
            ++last;
        if (first == last) {
            BlendOne(passes[first], tile);
            first = last + 1;
            continue;
        }
        for (int y = top; y < bottom; ++y)
            std::fill_n(FKeep.begin() + y * FSize + left, right - left, uint16_t { 255 });
        for (size_t p = first; p <= last; ++p) {
            const TextPass& pass = passes[p];
            const int columnFrom = std::max(FLeft, kMargin - pass.DX);
            const int columnTo = std::min(FRight, FSize + kMargin - pass.DX);
            for (int my = FTop; my < FBottom; ++my) {
                const int ty = my - kMargin + pass.DY;
                if (ty < 0 || ty >= FSize)
                    continue;
                const uchar* coverage = FMask.constScanLine(my);
                uint16_t* keepRow = FKeep.data() + ty * FSize - kMargin + pass.DX;
                for (int mx = columnFrom; mx < columnTo; ++mx) {
                    if (coverage[mx] != 0)
                        keepRow[mx]
                            = static_cast<uint16_t>(Div255(keepRow[mx] * (255u - coverage[mx])));
                }
            }
        }
        const bool white = passes[first].White;
        for (int y = top; y < bottom; ++y) {
            QRgb* row = bits + y * FSize;
            const uint16_t* keepRow = FKeep.data() + y * FSize;
            for (int x = left; x < right; ++x) {
                const uint keep = keepRow[x];
                if (keep == 255)
                    continue;
                const QRgb d = row[x];
                const uint r = qRed(d);
                const uint g = qGreen(d);
                const uint b = qBlue(d);
                if (white)
                    row[x] = qRgb(255 - Div255((255 - r) * keep), 255 - Div255((255 - g) * keep),
                        255 - Div255((255 - b) * keep));
                else
                    row[x] = qRgb(Div255(r * keep), Div255(g * keep), Div255(b * keep));
            }
        }
        first = last + 1;
    }
}

} // namespace maprune
