// SPDX-License-Identifier: GPL-3.0-or-later
// The palette templates of the statistic and the political map. Entry 0 is
// the black surround, entry 15 the one-pixel outline; the statistic template
// fills the hexagon with entry 14, the political template for n shares
// divides it into n equal sectors, clockwise from the top, in entries 1 .. n.
#include <QVector>

#include <cmath>
#include <numbers>

#include "map/ui/render/builtin_art.h"
#include "map/ui/render/hexagon_shape.h"
#include "map/ui/render/picture_ids.h"

namespace maprune {

namespace {

// The sixteen colours of the classic palette, so that the template shows
// sensibly in a picture viewer; the map sets the entries it uses.
QVector<QRgb> StandardPalette()
{
    return { 0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080,
        0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF,
        0xFF00FFFF, 0xFFFFFFFF };
}

// The sector (0 .. parts - 1) of pixel (u, v), clockwise from the top of the
// tile as seen on the screen.
int Sector(int u, int v, int parts)
{
    const double dx = u + 0.5 - 32;
    const double dy = v + 0.5 - 32;
    double angle = std::atan2(dx, -dy);
    if (angle < 0)
        angle += 2 * std::numbers::pi;
    const int sector = static_cast<int>(angle / (2 * std::numbers::pi) * parts);
    return std::min(sector, parts - 1);
}

} // namespace

QImage TemplateArt(int id, MapLayout layout)
{
    using namespace picture;
    const int parts = id == kStatisticTemplate ? 0 : id - kPoliticFirst + 1;
    QImage image(kSize, kSize, QImage::Format_Indexed8);
    image.setColorTable(StandardPalette());
    for (int v = 0; v < kSize; ++v) {
        uchar* row = image.scanLine(v);
        for (int u = 0; u < kSize; ++u) {
            if (!InsideHexagon(u, v, layout))
                row[u] = 0;
            else if (OnHexagonRim(u, v, 1, layout))
                row[u] = kOutlineEntry;
            else if (parts == 0)
                row[u] = kStatisticFillEntry;
            else
                row[u] = static_cast<uchar>(1 + Sector(u, v, parts));
        }
    }
    return image;
}

} // namespace maprune
