// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "map/map_view.h"

namespace maprune {

class TMapState;
class TRegion;
class TReport;

// Brings the view up to date with the report after a load or a layer
// switch: places the drawing index's tiles by the view's layout (dropping
// the index when the state had another), computes the extent of the active
// layer and sets up both scroll bars.
void RebuildView(TMapState& state, MapViewState& view);

// The region under screen pixel `screen`: the first region in list order
// on the active layer whose hexagon holds the pixel (a pixel in the corner of
// a tile belongs to the neighbour's hexagon), or null. Switches the report's
// index on.
TRegion* HitTest(TReport& report, const MapViewState& view, MapPoint screen);

// The screen position of the top-left corner of the region's tile.
MapPoint RegionToScreen(const MapViewState& view, const TRegion& region);

// Makes layer `z` active when it differs from ActiveLayer and some region
// lies on it, rebuilding the indexes over the new layer; returns whether it
// switched. The caller clears its current region first and rebuilds the
// view (RebuildView, colours, full redraw) after a switch.
bool SwitchLayer(TReport& report, int32_t z);

struct CentreResult {
    bool LayerSwitched = false; // the view was rebuilt: recolour and redraw all
    ScrollResult Scroll;
};

// Makes the region's layer active (rebuilding the view when it switches) and
// scrolls so that the region's tile sits in the middle of the view, its
// corner at (view width div 2 - tile size / 2, view height div 2 - 3/8 of
// the tile size; 32 and 24 unzoomed). `region` must
// belong to the state's report. The caller then makes it the current region.
CentreResult CentreOn(TMapState& state, MapViewState& view, const TRegion& region);

// Scrolls so that the tile with its corner at map pixel `corner` sits in
// the middle of the view, as CentreOn places a region.
ScrollResult CentreOnTile(MapViewState& view, MapPoint corner);

// Of the regions of the active layer that hold a unit of the own party, the
// one nearest the middle of them all; null when there is none.
const TRegion* OwnUnitsRegion(const TReport& report, MapLayout layout);

// Scrolls a view just rebuilt for a newly opened report to its stored
// scroll positions when they are usable: not both 0 (a report that never
// stored any, such as a CR) and within the scroll ranges. Otherwise it
// centres on OwnUnitsRegion, and without own units on the middle of the
// layer. Returns whether the stored positions were used.
bool OpenAt(MapViewState& view, const TReport& report, int64_t storedX, int64_t storedY);

// The entry of layer z in the layer list: "Ebene z".
std::string LayerName(int32_t z);

} // namespace maprune
