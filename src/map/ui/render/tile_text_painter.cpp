// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/tile_text_painter.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>

#include "core/text_encoding.h"
#include "map/ui/render/picture_ids.h"

namespace maprune {

namespace {

constexpr int kMaskSize = picture::kSize + 2;

} // namespace

QFont DefaultTileFont()
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(10);
    return font;
}

TTileTextPainter::TTileTextPainter(const QFont& font)
    : FFont(font)
    , FMetrics(font)
    , FMask(kMaskSize, kMaskSize, QImage::Format_Alpha8)
{
    FMask.fill(0);
}

void TTileTextPainter::Write(const TileTextLines& lines, int32_t style, QImage& tile)
{
    const QString name = QString::fromStdString(DisplayText(lines.Name));
    const QString coordinates = QString::fromStdString(lines.Coordinates);
    if (name.isEmpty() && coordinates.isEmpty())
        return;
    const int height = FMetrics.height();
    const TileTextPlacement placement = PlaceTileText(!name.isEmpty(),
        FMetrics.horizontalAdvance(name), height, !coordinates.isEmpty(),
        FMetrics.horizontalAdvance(coordinates), height);

    // Clear what the previous tile left in the mask.
    for (int y = FTop; y < FBottom; ++y)
        std::fill_n(FMask.scanLine(y) + FLeft, FRight - FLeft, uchar { 0 });
    FLeft = kMaskSize;
    FTop = kMaskSize;
    FRight = 0;
    FBottom = 0;

    QPainter painter(&FMask);
    painter.setFont(FFont);
    painter.setPen(Qt::black);
    auto put = [&](const TextPlacement& at, const QString& text) {
        if (!at.Show || text.isEmpty())
            return;
        const int x = at.X + kMargin;
        const int y = at.Y + kMargin;
        painter.drawText(x, y + FMetrics.ascent(), text);
        FLeft = std::clamp(std::min(FLeft, x - 1), 0, kMaskSize);
        FTop = std::clamp(std::min(FTop, y - 1), 0, kMaskSize);
        FRight = std::clamp(std::max(FRight, x + FMetrics.horizontalAdvance(text) + 2), 0, kMaskSize);
        FBottom = std::clamp(std::max(FBottom, y + height + 1), 0, kMaskSize);
    };
    put(placement.Name, name);
    put(placement.Coordinates, coordinates);
    painter.end();

    for (const TextPass& pass : TextPasses(style))
        Blend(pass, tile);
}

void TTileTextPainter::Blend(const TextPass& pass, QImage& tile) const
{
    for (int my = FTop; my < FBottom; ++my) {
        const int ty = my - kMargin + pass.DY;
        if (ty < 0 || ty >= picture::kSize)
            continue;
        const uchar* coverage = FMask.constScanLine(my);
        auto* row = reinterpret_cast<QRgb*>(tile.scanLine(ty));
        for (int mx = FLeft; mx < FRight; ++mx) {
            const int a = coverage[mx];
            const int tx = mx - kMargin + pass.DX;
            if (a == 0 || tx < 0 || tx >= picture::kSize)
                continue;
            const QRgb d = row[tx];
            if (pass.White) {
                row[tx] = qRgb(qRed(d) + (255 - qRed(d)) * a / 255,
                    qGreen(d) + (255 - qGreen(d)) * a / 255, qBlue(d) + (255 - qBlue(d)) * a / 255);
            } else {
                row[tx] = qRgb(qRed(d) * (255 - a) / 255, qGreen(d) * (255 - a) / 255,
                    qBlue(d) * (255 - a) / 255);
            }
        }
    }
}

} // namespace maprune
