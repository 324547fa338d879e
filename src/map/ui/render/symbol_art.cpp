// SPDX-License-Identifier: GPL-3.0-or-later
// Icons, markers, street pieces, route marks, the selection overlay and the
// fog mask. Drawn on black, which is their transparent colour; none uses
// pure white, which the preparation of icons turns into black.
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include "map/ui/render/builtin_art.h"
#include "map/ui/render/hexagon_shape.h"
#include "map/ui/render/picture_ids.h"

namespace maprune {

namespace {

const QColor kOutline(0x20, 0x20, 0x20);

QImage Blank()
{
    QImage image(picture::kSize, picture::kSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// Each icon is drawn in an 11 x 11 box. The boxes sit in the corners of the
// hexagon, between the rays from the centre to the edge middles along which
// street pieces and route marks run, and inside the ring of the current
// region's marker: buildings upper left, own units at the top, ships upper
// right, guards lower left, comment lower right (for the pointy-top
// hexagon; transposed for the flat-top one).
constexpr QPoint kIconBoxes[] = { { 8, 15 }, { 27, 8 }, { 45, 15 }, { 8, 37 }, { 45, 37 } };

void Buildings(QPainter& p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0xC8, 0xC0, 0xB0));
    p.drawRect(QRectF(1.5, 5.5, 8, 5));
    p.setBrush(QColor(0xC8, 0x32, 0x20));
    p.drawPolygon(QPolygonF { { 0, 6 }, { 5.5, 0.5 }, { 11, 6 } });
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0x38, 0x20));
    p.drawRect(QRectF(4.5, 7.5, 2, 3));
}

void OwnUnits(QPainter& p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0x28, 0x5A, 0xF0));
    p.drawEllipse(QRectF(3, 0.5, 5, 5));
    QPainterPath body;
    body.moveTo(0.5, 11);
    body.lineTo(2, 6);
    body.lineTo(9, 6);
    body.lineTo(10.5, 11);
    body.closeSubpath();
    p.drawPath(body);
}

void Ships(QPainter& p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0x96, 0x5F, 0x2D));
    p.drawPolygon(QPolygonF { { 0, 7.5 }, { 11, 7.5 }, { 8.5, 10.5 }, { 2.5, 10.5 } });
    p.drawLine(QPointF(5.5, 7.5), QPointF(5.5, 0.5));
    p.setBrush(QColor(0xF4, 0xEE, 0xD8));
    p.drawPolygon(QPolygonF { { 6, 0.5 }, { 10.5, 6.5 }, { 6, 6.5 } });
}

void OwnGuards(QPainter& p)
{
    QPainterPath shield;
    shield.moveTo(0.5, 0.5);
    shield.lineTo(10.5, 0.5);
    shield.lineTo(10.5, 5);
    shield.quadTo(10.5, 9, 5.5, 10.5);
    shield.quadTo(0.5, 9, 0.5, 5);
    shield.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0xE6, 0xB4, 0x1E));
    p.drawPath(shield);
    p.setPen(QPen(QColor(0x90, 0x20, 0x18), 1.4));
    p.drawLine(QPointF(5.5, 2.5), QPointF(5.5, 8.5));
    p.drawLine(QPointF(2.5, 4.5), QPointF(8.5, 4.5));
}

void Comment(QPainter& p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0xFA, 0xF0, 0x96));
    p.drawRect(QRectF(0.5, 0.5, 10, 7));
    p.drawPolygon(QPolygonF { { 2.5, 7.5 }, { 2.5, 10.5 }, { 5.5, 7.5 } });
    p.setPen(QPen(QColor(0x70, 0x60, 0x30), 1));
    p.drawLine(QPointF(2.5, 3), QPointF(8.5, 3));
    p.drawLine(QPointF(2.5, 5.5), QPointF(6.5, 5.5));
}

QImage Icon(int id, MapLayout layout)
{
    const int index = id - picture::kIconFirst;
    QPoint box = kIconBoxes[index];
    if (layout == MapLayout::YAxisNorthSouth)
        box = QPoint(box.y(), box.x());
    QImage image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box);
    switch (index) {
    case 0:
        Buildings(painter);
        break;
    case 1:
        OwnUnits(painter);
        break;
    case 2:
        Ships(painter);
        break;
    case 3:
        OwnGuards(painter);
        break;
    default:
        Comment(painter);
        break;
    }
    return image;
}

// A ring along the inside of the hexagon's edge, `from` .. `to` pixels in.
QImage Ring(MapLayout layout, int from, int to, QRgb colour)
{
    QImage image = Blank();
    for (int v = 0; v < picture::kSize; ++v) {
        for (int u = 0; u < picture::kSize; ++u) {
            if (OnHexagonRim(u, v, to, layout) && !OnHexagonRim(u, v, from, layout))
                image.setPixel(u, v, colour);
        }
    }
    return image;
}

QImage Street(int slot, MapLayout layout)
{
    QImage image = Blank();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QLineF road(QPointF(32, 32), SlotEdgeMiddle(slot, layout));
        p.setPen(QPen(QColor(0x5A, 0x42, 0x26), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(road);
        p.setPen(QPen(QColor(0xB4, 0x8E, 0x58), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(road);
    }
    ClearOutsideHexagon(image, layout);
    return image;
}

QImage RouteMark(int slot, MapLayout layout)
{
    QImage image = Blank();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(32, 32);
        const QPointF edge = SlotEdgeMiddle(slot, layout);
        const QLineF full(centre, edge);
        const QPointF tip = full.pointAt(0.78);
        const QPointF start = full.pointAt(0.25);
        const QLineF back(tip, start);
        const QLineF wingA = QLineF::fromPolar(7, back.angle() + 30).translated(tip);
        const QLineF wingB = QLineF::fromPolar(7, back.angle() - 30).translated(tip);
        p.setPen(QPen(QColor(0xF0, 0x28, 0xC8), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(start, tip);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0x28, 0xC8));
        p.drawPolygon(QPolygonF { tip, wingA.p2(), wingB.p2() });
    }
    ClearOutsideHexagon(image, layout);
    return image;
}

// Multiplied into the terrain: diagonal bands at 70 and 55 percent.
QImage FogMask(MapLayout layout)
{
    QImage image = Blank();
    for (int v = 0; v < picture::kSize; ++v) {
        for (int u = 0; u < picture::kSize; ++u) {
            if (InsideHexagon(u, v, layout))
                image.setPixel(u, v, ((u + v) / 3) % 2 == 0 ? 0xFFB4B4B4 : 0xFF8C8C8C);
        }
    }
    return image;
}

} // namespace

QImage SymbolArt(int id, MapLayout layout)
{
    using namespace picture;
    if (id >= kRouteMarkFirst && id < kRouteMarkFirst + 6)
        return RouteMark(id - kRouteMarkFirst, layout);
    if (id >= kIconFirst && id < kCurrentMarker)
        return Icon(id, layout);
    if (id == kCurrentMarker)
        return Ring(layout, 3, 6, 0xFFF02020);
    if (id >= kStreetFirst && id < kStreetFirst + 6)
        return Street(id - kStreetFirst, layout);
    if (id == kSelectionOverlay)
        return Ring(layout, 0, 3, 0xFFFFE630);
    if (id == kFogMask)
        return FogMask(layout);
    return {};
}

} // namespace maprune
