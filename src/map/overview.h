// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "map/colour_scale.h"
#include "map/map_colouring.h"
#include "map/map_extent.h"
#include "map/map_view.h"

namespace maprune {

class TMapState;

constexpr int32_t kMinOverviewZoom = 1;
constexpr int32_t kMaxOverviewZoom = 32;

// The zoom (screen pixels per overview pixel) for a picture of `width` x
// `height` pixels on a screen of the given size: the stored zoom limited to
// 1 .. 32, raised while 32 div zoom exceeds either side (so that a small
// map still gives a window of about 32 pixels), then lowered, never below
// 1, while the picture times the zoom does not fit the screen less 32
// pixels. The result lies in 1 .. 32. An empty picture (an empty layer, no
// report) keeps the stored zoom, limited, instead of climbing to the top.
int32_t FitOverviewZoom(
    int32_t storedZoom, int64_t width, int64_t height, int64_t screenWidth, int64_t screenHeight);

// The longest side of an overview picture. A layer whose overview grid is
// wider or taller is drawn with several cells to a pixel, so that far-apart
// coordinates never make a picture of gigabytes.
constexpr int64_t kMaxOverviewSide = 2048;

struct OverviewOptions {
    MapMode Mode = MapMode::Geographic;
    bool Dimming = true; // outdated regions at half brightness (geographic)
    int32_t FowMode = 0; // the setting FOW_Mode
};

// The overview picture of the active layer: Width x Height pixels, row by
// row, black where no region lies. Each pixel covers CellsPerPixel x
// CellsPerPixel cells of the overview grid (1 unless the layer is larger
// than kMaxOverviewSide cells).
struct OverviewPicture {
    int64_t Width = 0;
    int64_t Height = 0;
    int64_t CellsPerPixel = 1;
    std::vector<Rgb> Pixels;
};

// Every region of the active layer colours its two cells: in geographic mode
// with its terrain type's overview colour (black without a terrain type),
// halved per channel when the region is outdated and dimming is on; in
// statistic mode with its MapColor in `state`; in political mode, which sets
// no single colour per region, with the colour of its largest share
// (0x404040 without shares). Updates the outdated bit of the regions in
// geographic mode.
OverviewPicture BuildOverviewPicture(
    TMapState& state, const OverviewBounds& bounds, const OverviewOptions& options);

// The white frame of the visible part of the main map on an overview client
// area of clientWidth x clientHeight: the view rectangle (scroll positions,
// view size) with x scaled by clientWidth / (view width + horizontal
// maximum) and y likewise, in integer arithmetic.
MapRect OverviewFrame(const MapViewState& view, int64_t clientWidth, int64_t clientHeight);

// The scroll positions a press at `point` of the overview client area asks
// for: the point limited to the area, then x / (clientWidth - 1) of the
// horizontal maximum and y / (clientHeight - 1) of the vertical, truncated.
MapPoint OverviewScrollTarget(
    const MapViewState& view, MapPoint point, int64_t clientWidth, int64_t clientHeight);

} // namespace maprune
