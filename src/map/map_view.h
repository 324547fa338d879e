// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "map/hex_geometry.h"
#include "map/map_extent.h"

namespace maprune {

// One scroll bar of the map view. Its range is 0 .. Maximum; a bar whose
// Maximum is 0 (the map fits the view) is disabled and stays at 0.
struct ScrollBarState {
    int64_t Position = 0;
    int64_t Maximum = 0;
    int64_t SmallStep = 0; // arrow keys and arrow buttons
    int64_t LargeStep = 0; // a click into the trough: half the view
    int64_t ThumbRange = 0; // the thumb shows PageSize of 0 .. ThumbRange
    int64_t PageSize = 0;

    bool Enabled() const { return Maximum > 0; }
    bool operator==(const ScrollBarState&) const = default;
};

// The scroll state of the map view (Image1 with ScrollBar2 and ScrollBar1).
// The view shows the map zoomed to tiles of TileSize pixels (64: one view
// pixel per map pixel); scroll positions, view size and centre offsets are
// view pixels. A map pixel m appears at screen pixel zoomed(m) -
// zoomed(MapLeft, MapTop) - (the two positions) + (CentreOffsetX,
// CentreOffsetY); the centre offsets are non-zero only on an axis where the
// map is smaller than the view. Extent stays in map pixels.
struct MapViewState {
    MapLayout Layout = MapLayout::XAxisWestEast;
    MapExtent Extent;
    int64_t TileSize = kTileSize;
    int64_t ViewWidth = 0;
    int64_t ViewHeight = 0;
    ScrollBarState Horizontal { .SmallStep = 32 }; // ScrollBar2
    ScrollBarState Vertical { .SmallStep = 24 }; // ScrollBar1
    int64_t CentreOffsetX = 0;
    int64_t CentreOffsetY = 0;
};

// Sets the bar's range for content of `contentSize` pixels shown in
// `viewSize` pixels and limits its position to it; returns the centre offset
// ((viewSize - contentSize) div 2 when the content is smaller, else 0).
int64_t SetupScrollBar(ScrollBarState& bar, int64_t contentSize, int64_t viewSize);

// Both bars and centre offsets from Extent, the tile size and the view size
// (the small steps are half a tile across and 3/8 of a tile down); to be run
// after every ComputeMapExtent, every resize of the view and every zoom.
void SetupScrollBars(MapViewState& view);

enum class ScrollEffect {
    None, // nothing to do
    Repaint, // positions unchanged: only repaint the view
    Redraw, // the map moved by (ShiftX, ShiftY) on the screen: redraw
};

struct ScrollResult {
    ScrollEffect Effect = ScrollEffect::None;
    int64_t ShiftX = 0; // old position - new position
    int64_t ShiftY = 0;
    bool operator==(const ScrollResult&) const = default;
};

// Moves the view by (dx, dy) pixels over the map (positive: right, down),
// each bar limited to its range.
ScrollResult ScrollBy(MapViewState& view, int64_t dx, int64_t dy);

// One step of panning with the mouse: speed x (last - current), rounded to
// the nearest integer with halves to even; 0 for a speed that is no finite
// number.
int64_t PanStep(double scrollSpeed, int64_t last, int64_t current);

// Conversions between map pixels and view (screen) pixels, through
// MapToZoomed and ZoomedToMap: a screen pixel stands for the map pixel under
// its centre.
MapPoint MapToScreen(const MapViewState& view, MapPoint map);
MapPoint ScreenToMap(const MapViewState& view, MapPoint screen);
// The map pixels that the screen pixels of `screen` stand for.
MapRect ScreenRectToMap(const MapViewState& view, const MapRect& screen);

// The map pixels the view shows.
MapRect VisibleMapRect(const MapViewState& view);

// Zooms the view to tiles of `tileSize` pixels (made valid by
// ValidTileSize), keeping the map point under screen pixel `anchor` where
// it is as far as the scroll ranges allow. Returns whether the tile size
// changed (then everything is to be redrawn).
bool ZoomAt(MapViewState& view, int64_t tileSize, MapPoint anchor);

// The parts of the view (in screen pixels) left without picture after its
// content moved by (shiftX, shiftY): none, one or two disjoint rectangles,
// or the whole view when nothing moved or the shift reaches the view size.
std::vector<MapRect> ExposedRects(const MapViewState& view, int64_t shiftX, int64_t shiftY);

} // namespace maprune
