// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/hexagon_shape.h"

#include <cmath>

#include "map/ui/render/picture_ids.h"

namespace maprune {

namespace {

constexpr QRgb kBlack = 0xFF000000;

} // namespace

QPolygonF HexagonPolygon(MapLayout layout, double inset)
{
    // Pointy-top corners, shrunk towards the centre; the flat-top hexagon is
    // the transposed one.
    const QPointF corners[]
        = { { 32, 0 }, { 64, 16 }, { 64, 48 }, { 32, 64 }, { 0, 48 }, { 0, 16 } };
    const QPointF centre(32, 32);
    QPolygonF polygon;
    for (const QPointF& corner : corners) {
        const QPointF d = corner - centre;
        const double length = std::hypot(d.x(), d.y());
        QPointF p = centre + d * ((length - inset) / length);
        if (layout == MapLayout::YAxisNorthSouth)
            p = QPointF(p.y(), p.x());
        polygon << p;
    }
    return polygon;
}

QPointF SlotEdgeMiddle(int slot, MapLayout layout)
{
    const MapPoint origin = RegionToMapPixel(0, 0, layout);
    const MapPoint neighbour = RegionToMapPixel(kNeighbourOffsets[static_cast<size_t>(slot)].X,
        kNeighbourOffsets[static_cast<size_t>(slot)].Y, layout);
    return QPointF(32 + static_cast<double>(neighbour.X - origin.X) / 2,
        32 + static_cast<double>(neighbour.Y - origin.Y) / 2);
}

bool OnHexagonRim(int u, int v, int width, MapLayout layout)
{
    if (!InsideHexagon(u, v, layout))
        return false;
    for (int d = 1; d <= width; ++d) {
        if (!InsideHexagon(u - d, v, layout) || !InsideHexagon(u + d, v, layout)
            || !InsideHexagon(u, v - d, layout) || !InsideHexagon(u, v + d, layout))
            return true;
    }
    return false;
}

void ClearOutsideHexagon(QImage& image, MapLayout layout)
{
    for (int v = 0; v < picture::kSize; ++v) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(v));
        for (int u = 0; u < picture::kSize; ++u) {
            if (!InsideHexagon(u, v, layout))
                row[u] = kBlack;
        }
    }
}

void CutToHexagon(QImage& image, MapLayout layout)
{
    ClearOutsideHexagon(image, layout);
    for (int v = 0; v < picture::kSize; ++v) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(v));
        for (int u = 0; u < picture::kSize; ++u) {
            if ((row[u] & 0xFFFFFF) == 0 && InsideHexagon(u, v, layout))
                row[u] = 0xFF010101;
        }
    }
}

QImage Transposed(const QImage& image)
{
    QImage result(image.height(), image.width(), image.format());
    if (image.format() == QImage::Format_Indexed8)
        result.setColorTable(image.colorTable());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.format() == QImage::Format_Indexed8)
                result.setPixel(y, x, static_cast<uint>(image.pixelIndex(x, y)));
            else
                result.setPixel(y, x, image.pixel(x, y));
        }
    }
    return result;
}

} // namespace maprune
