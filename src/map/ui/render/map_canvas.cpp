// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/map_canvas.h"

#include <algorithm>
#include <cstring>

#include "map/bsp_tree.h"
#include "map/map_navigation.h"
#include "map/map_state.h"
#include "map/ui/render/picture_ids.h"
#include "map/ui/render/pixel_rows.h"
#include "map/ui/render/tile_renderer.h"
#include "model/report.h"

namespace maprune {

namespace {

MapRect Intersection(const MapRect& a, const MapRect& b)
{
    return { std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
        std::min(a.Bottom, b.Bottom) };
}

MapRect TileAt(const MapPoint& at, int64_t size)
{
    return { at.X, at.Y, at.X + size, at.Y + size };
}

} // namespace

TMapCanvas::TMapCanvas(TTileRenderer& tiles)
    : FTiles(tiles)
    , FTile(picture::kSize, picture::kSize, QImage::Format_RGB32)
{
}

void TMapCanvas::Resize(int width, int height)
{
    FImage = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    FImage.fill(Qt::black);
}

void TMapCanvas::FitTile()
{
    const int size = FTiles.Options().TileSize;
    if (FTile.width() != size)
        FTile = QImage(size, size, QImage::Format_RGB32);
}

void TMapCanvas::Redraw(TMapState* state, const MapViewState& view, int64_t shiftX, int64_t shiftY,
    const TRegion* current)
{
    FLastDrawn = 0;
    FitTile();
    const int64_t width = FImage.width();
    const int64_t height = FImage.height();
    if (shiftX >= width || shiftX <= -width || shiftY >= height || shiftY <= -height)
        shiftX = shiftY = 0;
    if (state == nullptr) {
        FImage.fill(Qt::black);
        return;
    }
    TBSPTree& tree = state->BSPTree();
    if (shiftX != 0 || shiftY != 0)
        MoveContent(shiftX, shiftY);
    const std::vector<MapRect> exposed = ExposedRects(view, shiftX, shiftY);
    FFound.clear();
    for (const MapRect& area : exposed) {
        FillBlack(area);
        EntriesMeeting(tree, ScreenRectToMap(view, area), FFound);
    }
    // A region in the corner of two strips is found twice but drawn once.
    if (exposed.size() > 1) {
        const auto byRegion
            = [](const BSPEntry* a, const BSPEntry* b) { return a->Region < b->Region; };
        const auto sameRegion
            = [](const BSPEntry* a, const BSPEntry* b) { return a->Region == b->Region; };
        std::sort(FFound.begin(), FFound.end(), byRegion);
        FFound.erase(std::unique(FFound.begin(), FFound.end(), sameRegion), FFound.end());
    }
    FTiles.BeginPass();
    for (const BSPEntry* entry : FFound) {
        TRegion& region = *entry->Region;
        FTiles.RenderTile(region, state->Colours(*entry), &region == current, FTile);
        const MapPoint at = RegionToScreen(view, region);
        for (const MapRect& clip : exposed)
            OrTile(at, clip);
    }
    FLastDrawn = FFound.size();
}

void TMapCanvas::RedrawRegion(
    const TMapState& state, const MapViewState& view, TRegion& region, const TRegion* current)
{
    FitTile();
    const int64_t size = FTile.width();
    const MapPoint at = RegionToScreen(view, region);
    if (at.X < -size || at.Y < -size || at.X >= FImage.width() || at.Y >= FImage.height())
        return;
    FTiles.BeginPass();
    FTiles.RenderTile(region, state.Colours(region), &region == current, FTile);
    const QRgb key = FTile.pixel(0, static_cast<int>(size) - 1) & 0xFFFFFF;
    const MapRect visible
        = Intersection(TileAt(at, size), { 0, 0, FImage.width(), FImage.height() });
    for (int64_t y = visible.Top; y < visible.Bottom; ++y) {
        const auto* source
            = reinterpret_cast<const QRgb*>(FTile.constScanLine(static_cast<int>(y - at.Y)));
        auto* target = reinterpret_cast<QRgb*>(FImage.scanLine(static_cast<int>(y)));
        for (int64_t x = visible.Left; x < visible.Right; ++x) {
            const QRgb pixel = source[x - at.X];
            if ((pixel & 0xFFFFFF) != key)
                target[x] = pixel;
        }
    }
}

void TMapCanvas::RedrawMarked(TMapState& state, const MapViewState& view, const TRegion* current)
{
    const TReport& report = state.Report();
    for (TRegion* region : *report.Regions) {
        if (region == nullptr || region->CZ != report.ActiveLayer
            || (region->Tag() & TagNeedsRedraw) == 0)
            continue;
        RedrawRegion(state, view, *region, current);
        region->SetTagSilently(region->Tag() & ~TagNeedsRedraw);
    }
}

void TMapCanvas::MoveContent(int64_t shiftX, int64_t shiftY)
{
    const int width = FImage.width();
    const int height = FImage.height();
    const int dx = static_cast<int>(shiftX);
    const int dy = static_cast<int>(shiftY);
    const int columns = width - std::abs(dx);
    const int sourceX = std::max(-dx, 0);
    const int targetX = std::max(dx, 0);
    auto moveRow = [&](int from, int to) {
        const auto* source = reinterpret_cast<const QRgb*>(FImage.constScanLine(from));
        auto* target = reinterpret_cast<QRgb*>(FImage.scanLine(to));
        std::memmove(
            target + targetX, source + sourceX, static_cast<size_t>(columns) * sizeof(QRgb));
    };
    // Rows are visited so that none is overwritten before it was moved.
    if (dy > 0) {
        for (int y = height - 1; y >= dy; --y)
            moveRow(y - dy, y);
    } else {
        for (int y = 0; y < height + dy; ++y)
            moveRow(y - dy, y);
    }
}

void TMapCanvas::FillBlack(const MapRect& rect)
{
    const MapRect area = Intersection(rect, { 0, 0, FImage.width(), FImage.height() });
    for (int64_t y = area.Top; y < area.Bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(FImage.scanLine(static_cast<int>(y)));
        FillPixels(row + area.Left, static_cast<size_t>(area.Right - area.Left), 0xFF000000);
    }
}

void TMapCanvas::OrTile(const MapPoint& at, const MapRect& clip)
{
    const int64_t size = FTile.width();
    const MapRect area = Intersection(
        Intersection(TileAt(at, size), clip), { 0, 0, FImage.width(), FImage.height() });
    if (area.Empty())
        return;
    const int columns = static_cast<int>(area.Right - area.Left);
    const auto sourceX = static_cast<int>(area.Left - at.X);
    const int stride = static_cast<int>(FImage.bytesPerLine() / 4);
    QRgb* target = reinterpret_cast<QRgb*>(FImage.bits()) + area.Top * stride + area.Left;
    const QRgb* tileBits = reinterpret_cast<const QRgb*>(FTile.constBits());
    for (int64_t y = area.Top; y < area.Bottom; ++y, target += stride)
        OrPixels(target, tileBits + (y - at.Y) * size + sourceX, static_cast<size_t>(columns));
}

} // namespace maprune
