// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "map/map_view.h"

namespace maprune {

struct BSPEntry;
class TMapState;
class TRegion;
class TTileRenderer;

// The picture of the map view: one RGB32 image of the view's size into which
// the regions of the active layer are drawn, in tiles of the renderer's
// tile size (the view's zoom; the caller keeps the two equal). Tiles are combined by a bitwise
// OR of their pixels, so the black corners of a tile leave the overlapping
// neighbours untouched. The regions to draw come from the map state's
// drawing index (RegionsMeeting), their colours from the state too; only the part of the view that
// lost its picture is drawn again.
class TMapCanvas {
public:
    explicit TMapCanvas(TTileRenderer& tiles);

    // Makes the picture `width` x `height` pixels, black.
    void Resize(int width, int height);
    const QImage& Image() const { return FImage; }

    // Redraws the view after its content moved by (shiftX, shiftY) pixels on
    // the screen (old scroll position - new one): the still valid part is
    // moved and only the uncovered strips are drawn. A shift of (0, 0) or of
    // the view size or more redraws everything. Without a state (no report)
    // the view turns black. `view` must have the picture's size; `current` is the
    // current region (drawn with its marker) or null. Each region is drawn
    // once, also one that meets two uncovered strips.
    void Redraw(TMapState* state, const MapViewState& view, int64_t shiftX, int64_t shiftY,
        const TRegion* current);

    // Draws one region of the state's report anew in place, transparently
    // over the picture, when its tile lies at least partly in the view.
    void RedrawRegion(
        const TMapState& state, const MapViewState& view, TRegion& region, const TRegion* current);

    // RedrawRegion for every region of the active layer with bit 8 (needs
    // redraw) set; clears bit 8 of each, visible or not.
    void RedrawMarked(TMapState& state, const MapViewState& view, const TRegion* current);

    // The regions drawn by the last Redraw.
    size_t LastDrawnCount() const { return FLastDrawn; }

private:
    // Makes the work tile the renderer's tile size.
    void FitTile();
    void MoveContent(int64_t shiftX, int64_t shiftY);
    void FillBlack(const MapRect& rect);
    void OrTile(const MapPoint& at, const MapRect& clip);

    TTileRenderer& FTiles;
    QImage FImage;
    QImage FTile;
    std::vector<const BSPEntry*> FFound;
    size_t FLastDrawn = 0;
};

} // namespace maprune
