// SPDX-License-Identifier: GPL-3.0-or-later
// The nine terrain hexagons. Each has its own ground colour, light enough for
// black names, and a few marks in the upper and lower thirds of the hexagon,
// where the two text lines in the middle leave room. The marks stand upright
// in both layouts; only the outline of the hexagon follows the layout.
#include <QPainter>
#include <QPainterPath>

#include "map/ui/render/builtin_art.h"
#include "map/ui/render/hexagon_shape.h"
#include "map/ui/render/picture_ids.h"

namespace maprune {

namespace {

// Marks go into these two bands of the pointy-top hexagon.
constexpr int kUpperBand = 11;
constexpr int kLowerBand = 51;

void Sea(QPainter& p)
{
    p.setPen(QPen(QColor(0x7F, 0xAE, 0xEE), 1.6));
    for (QPointF at :
        { QPointF(20, kUpperBand - 2), QPointF(38, kUpperBand + 3), QPointF(13, kLowerBand - 3),
            QPointF(31, kLowerBand + 2), QPointF(46, kLowerBand - 4) }) {
        QPainterPath wave(at);
        wave.quadTo(at + QPointF(2.5, -3), at + QPointF(5, 0));
        wave.quadTo(at + QPointF(7.5, 3), at + QPointF(10, 0));
        p.drawPath(wave);
    }
}

void Plains(QPainter& p)
{
    p.setPen(QPen(QColor(0x6E, 0xA8, 0x40), 1.3));
    for (QPointF at : { QPointF(18, kUpperBand + 4), QPointF(30, kUpperBand - 2),
             QPointF(42, kUpperBand + 5), QPointF(14, kLowerBand - 3), QPointF(27, kLowerBand + 2),
             QPointF(40, kLowerBand - 2), QPointF(50, kLowerBand - 6) }) {
        p.drawLine(at, at + QPointF(-2, -4));
        p.drawLine(at, at + QPointF(0, -5));
        p.drawLine(at, at + QPointF(2, -4));
    }
}

void Tree(QPainter& p, QPointF foot)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6B, 0x4A, 0x2A));
    p.drawRect(QRectF(foot.x() - 0.8, foot.y() - 2.5, 1.6, 2.5));
    p.setBrush(QColor(0x24, 0x5E, 0x24));
    p.drawPolygon(QPolygonF {
        foot + QPointF(0, -11), foot + QPointF(4.5, -2.5), foot + QPointF(-4.5, -2.5) });
}

void Forest(QPainter& p)
{
    for (QPointF at : { QPointF(21, kUpperBand + 6), QPointF(32, kUpperBand + 3),
             QPointF(43, kUpperBand + 7), QPointF(13, kLowerBand + 2), QPointF(24, kLowerBand + 5),
             QPointF(37, kLowerBand + 4), QPointF(49, kLowerBand + 1) })
        Tree(p, at);
}

void Swamp(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5A, 0x7C, 0x8C));
    p.drawEllipse(QRectF(16, kUpperBand - 1, 12, 5));
    p.drawEllipse(QRectF(34, kUpperBand + 4, 13, 5));
    p.drawEllipse(QRectF(20, kLowerBand - 4, 14, 5));
    p.setPen(QPen(QColor(0x3E, 0x52, 0x22), 1.2));
    for (QPointF at : { QPointF(31, kUpperBand + 2), QPointF(12, kLowerBand),
             QPointF(39, kLowerBand + 1), QPointF(47, kLowerBand - 4) }) {
        p.drawLine(at, at + QPointF(-1.5, -6));
        p.drawLine(at, at + QPointF(0, -7));
        p.drawLine(at, at + QPointF(1.5, -6));
    }
}

void Desert(QPainter& p)
{
    p.setPen(QPen(QColor(0xC4, 0x9E, 0x4E), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(14, kUpperBand - 2, 18, 10), 20 * 16, 140 * 16);
    p.drawArc(QRectF(32, kUpperBand + 3, 16, 9), 20 * 16, 140 * 16);
    p.drawArc(QRectF(9, kLowerBand - 5, 18, 10), 20 * 16, 140 * 16);
    p.drawArc(QRectF(30, kLowerBand - 3, 20, 10), 20 * 16, 140 * 16);
}

void Highland(QPainter& p)
{
    p.setPen(QPen(QColor(0x7E, 0x62, 0x30), 1.6));
    p.setBrush(QColor(0xB0, 0x92, 0x54));
    p.drawChord(QRectF(13, kUpperBand - 1, 16, 14), 0, 180 * 16);
    p.drawChord(QRectF(31, kUpperBand + 1, 18, 14), 0, 180 * 16);
    p.drawChord(QRectF(9, kLowerBand - 6, 18, 14), 0, 180 * 16);
    p.drawChord(QRectF(30, kLowerBand - 4, 20, 14), 0, 180 * 16);
}

void Peak(QPainter& p, QPointF foot, double height)
{
    const QPointF top = foot + QPointF(0, -height);
    p.setPen(QPen(QColor(0x4E, 0x44, 0x3C), 1.0));
    p.setBrush(QColor(0x74, 0x68, 0x5C));
    p.drawPolygon(
        QPolygonF { top, foot + QPointF(height * 0.8, 0), foot + QPointF(-height * 0.8, 0) });
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xF2, 0xF2));
    p.drawPolygon(QPolygonF { top, top + QPointF(height * 0.28, height * 0.35),
        top + QPointF(-height * 0.28, height * 0.35) });
}

void Mountains(QPainter& p)
{
    Peak(p, QPointF(24, kUpperBand + 7), 11);
    Peak(p, QPointF(38, kUpperBand + 8), 13);
    Peak(p, QPointF(18, kLowerBand + 5), 11);
    Peak(p, QPointF(33, kLowerBand + 6), 13);
    Peak(p, QPointF(47, kLowerBand + 3), 9);
}

void Glacier(QPainter& p)
{
    p.setPen(QPen(QColor(0x8C, 0xB8, 0xDC), 1.4));
    p.drawPolyline(QPolygonF { { 17, kUpperBand + 5 }, { 22, kUpperBand }, { 26, kUpperBand + 4 },
        { 31, kUpperBand - 1 } });
    p.drawPolyline(
        QPolygonF { { 35, kUpperBand + 7 }, { 40, kUpperBand + 2 }, { 46, kUpperBand + 6 } });
    p.drawPolyline(
        QPolygonF { { 11, kLowerBand - 2 }, { 17, kLowerBand - 6 }, { 22, kLowerBand - 1 } });
    p.drawPolyline(QPolygonF { { 29, kLowerBand + 3 }, { 35, kLowerBand - 3 },
        { 41, kLowerBand + 1 }, { 48, kLowerBand - 4 } });
}

void Fog(QPainter& p)
{
    p.setPen(QPen(QColor(0xC8, 0xC8, 0xD0), 2.2));
    for (double y : { double(kUpperBand - 1), double(kUpperBand + 5), double(kLowerBand - 5),
             double(kLowerBand + 1) }) {
        QPainterPath mist(QPointF(8, y));
        for (double x = 8; x < 56; x += 12) {
            mist.quadTo(QPointF(x + 3, y - 2.5), QPointF(x + 6, y));
            mist.quadTo(QPointF(x + 9, y + 2.5), QPointF(x + 12, y));
        }
        p.drawPath(mist);
    }
}

struct TerrainLook {
    QRgb Ground;
    void (*Marks)(QPainter&);
};

// 0 sea, 1 plains, 2 forest, 3 swamp, 4 desert, 5 highland, 6 mountains,
// 7 glacier, 8 fog.
constexpr TerrainLook kLooks[picture::kTerrainCount] = {
    { 0xFF4A82D6, Sea },
    { 0xFFB4DC80, Plains },
    { 0xFF62A850, Forest },
    { 0xFF8CA466, Swamp },
    { 0xFFEEDA98, Desert },
    { 0xFFCDB47A, Highland },
    { 0xFFA89C90, Mountains },
    { 0xFFDCEEFA, Glacier },
    { 0xFFA4A4AC, Fog },
};

QRgb Darker(QRgb colour)
{
    return qRgb(qRed(colour) * 3 / 5, qGreen(colour) * 3 / 5, qBlue(colour) * 3 / 5);
}

} // namespace

QImage TerrainArt(int terrainIndex, MapLayout layout)
{
    const TerrainLook& look = kLooks[terrainIndex];
    QImage image(picture::kSize, picture::kSize, QImage::Format_RGB32);
    image.fill(look.Ground);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRegion(QRegion(HexagonPolygon(layout, 1.5).toPolygon()));
        look.Marks(painter);
    }
    // A darker rim marks the edges between regions.
    const QRgb rim = Darker(look.Ground);
    for (int v = 0; v < picture::kSize; ++v) {
        for (int u = 0; u < picture::kSize; ++u) {
            if (OnHexagonRim(u, v, 1, layout))
                image.setPixel(u, v, rim);
        }
    }
    CutToHexagon(image, layout);
    return image;
}

} // namespace maprune
