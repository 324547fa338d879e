// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "map/map_zoom.h"
#include "map/rounding.h"

namespace maprune {

namespace {

int64_t SaturatingAdd(int64_t a, int64_t b)
{
    if (b > 0 && a > std::numeric_limits<int64_t>::max() - b)
        return std::numeric_limits<int64_t>::max();
    if (b < 0 && a < std::numeric_limits<int64_t>::min() - b)
        return std::numeric_limits<int64_t>::min();
    return a + b;
}

int64_t Moved(const ScrollBarState& bar, int64_t delta)
{
    if (!bar.Enabled())
        return 0;
    return std::clamp(SaturatingAdd(bar.Position, delta), int64_t { 0 }, bar.Maximum);
}

} // namespace

int64_t SetupScrollBar(ScrollBarState& bar, int64_t contentSize, int64_t viewSize)
{
    const int64_t max = contentSize - viewSize;
    const int64_t centreOffset = max < 0 ? -max / 2 : 0;
    bar.Maximum = std::max(max, int64_t { 0 });
    bar.LargeStep = viewSize / 2;
    bar.ThumbRange = contentSize;
    bar.PageSize = viewSize;
    bar.Position = std::clamp(bar.Position, int64_t { 0 }, bar.Maximum);
    return centreOffset;
}

void SetupScrollBars(MapViewState& view)
{
    const int64_t tile = view.TileSize;
    view.Horizontal.SmallStep = tile / 2;
    view.Vertical.SmallStep = tile * 3 / 8;
    view.CentreOffsetX = SetupScrollBar(
        view.Horizontal, ZoomedLength(view.Extent.MapWidth, tile), view.ViewWidth);
    view.CentreOffsetY = SetupScrollBar(
        view.Vertical, ZoomedLength(view.Extent.MapHeight, tile), view.ViewHeight);
}

ScrollResult ScrollBy(MapViewState& view, int64_t dx, int64_t dy)
{
    if (dx == 0 && dy == 0)
        return {};
    const int64_t oldX = view.Horizontal.Position;
    const int64_t oldY = view.Vertical.Position;
    view.Vertical.Position = Moved(view.Vertical, dy);
    view.Horizontal.Position = Moved(view.Horizontal, dx);
    if (view.Horizontal.Position == oldX && view.Vertical.Position == oldY)
        return { ScrollEffect::Repaint, 0, 0 };
    return { ScrollEffect::Redraw, oldX - view.Horizontal.Position, oldY - view.Vertical.Position };
}

int64_t PanStep(double scrollSpeed, int64_t last, int64_t current)
{
    if (!std::isfinite(scrollSpeed))
        return 0;
    return RoundHalfEven(scrollSpeed * static_cast<double>(SaturatingAdd(last, -current)));
}

namespace {

// The view pixel of the zoomed map shown at screen pixel (0, 0).
MapPoint ScreenOrigin(const MapViewState& view)
{
    const MapPoint corner
        = MapToZoomed({ view.Extent.MapLeft, view.Extent.MapTop }, view.TileSize);
    return { corner.X + view.Horizontal.Position - view.CentreOffsetX,
        corner.Y + view.Vertical.Position - view.CentreOffsetY };
}

} // namespace

MapPoint MapToScreen(const MapViewState& view, MapPoint map)
{
    const MapPoint zoomed = MapToZoomed(map, view.TileSize);
    const MapPoint origin = ScreenOrigin(view);
    return { zoomed.X - origin.X, zoomed.Y - origin.Y };
}

MapPoint ScreenToMap(const MapViewState& view, MapPoint screen)
{
    const MapPoint origin = ScreenOrigin(view);
    return ZoomedToMap({ screen.X + origin.X, screen.Y + origin.Y }, view.TileSize);
}

MapRect ScreenRectToMap(const MapViewState& view, const MapRect& screen)
{
    const MapPoint origin = ScreenOrigin(view);
    return ZoomedRectToMap(screen.Translated(origin.X, origin.Y), view.TileSize);
}

MapRect VisibleMapRect(const MapViewState& view)
{
    return ScreenRectToMap(view, { 0, 0, view.ViewWidth, view.ViewHeight });
}

bool ZoomAt(MapViewState& view, int64_t tileSize, MapPoint anchor)
{
    tileSize = ValidTileSize(tileSize);
    if (tileSize == view.TileSize)
        return false;
    // The anchor in view pixels of the old zoom, scaled to the new one; the
    // half pixel keeps the centre of the anchor pixel in place.
    const MapPoint origin = ScreenOrigin(view);
    const double scale = static_cast<double>(tileSize) / static_cast<double>(view.TileSize);
    const double x = (static_cast<double>(anchor.X + origin.X) + 0.5) * scale - 0.5;
    const double y = (static_cast<double>(anchor.Y + origin.Y) + 0.5) * scale - 0.5;
    view.TileSize = tileSize;
    SetupScrollBars(view);
    const MapPoint now = ScreenOrigin(view);
    ScrollBy(view, RoundHalfEven(x) - anchor.X - now.X, RoundHalfEven(y) - anchor.Y - now.Y);
    return true;
}

std::vector<MapRect> ExposedRects(const MapViewState& view, int64_t shiftX, int64_t shiftY)
{
    const int64_t w = view.ViewWidth;
    const int64_t h = view.ViewHeight;
    if (w <= 0 || h <= 0)
        return {};
    const bool whole = (shiftX == 0 && shiftY == 0) || shiftX >= w || shiftX <= -w || shiftY >= h
        || shiftY <= -h;
    if (whole)
        return { { 0, 0, w, h } };
    std::vector<MapRect> rects;
    // The rows that still hold picture, then the columns beside them.
    int64_t validTop = 0;
    int64_t validBottom = h;
    if (shiftY > 0) {
        rects.push_back({ 0, 0, w, shiftY });
        validTop = shiftY;
    } else if (shiftY < 0) {
        rects.push_back({ 0, h + shiftY, w, h });
        validBottom = h + shiftY;
    }
    if (shiftX > 0)
        rects.push_back({ 0, validTop, shiftX, validBottom });
    else if (shiftX < 0)
        rects.push_back({ w + shiftX, validTop, w, validBottom });
    return rects;
}

} // namespace maprune
