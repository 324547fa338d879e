// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_navigation.h"

#include <algorithm>

#include "map/map_state.h"
#include "model/report.h"

namespace maprune {

void RebuildView(TMapState& state, MapViewState& view)
{
    state.SetTileLayout(view.Layout);
    view.Extent = ComputeMapExtent(state.Report(), view.Layout);
    SetupScrollBars(view);
}

TRegion* HitTest(TReport& report, const MapViewState& view, MapPoint screen)
{
    // The hexagons cover the map without overlap, so only regions at the
    // coordinates of the hexagon under the pixel can be hit, and the index
    // yields the first of them in list order.
    const auto hex = MapPixelToRegion(ScreenToMap(view, screen), view.Layout);
    if (!hex)
        return nullptr;
    return report.FindRegion(hex->X, hex->Y, report.ActiveLayer);
}

MapPoint RegionToScreen(const MapViewState& view, const TRegion& region)
{
    return MapToScreen(view, RegionToMapPixel(region.CX, region.CY, view.Layout));
}

bool SwitchLayer(TReport& report, int32_t z)
{
    if (z == report.ActiveLayer)
        return false;
    const std::vector<int32_t> layers = report.Layers();
    if (std::find(layers.begin(), layers.end(), z) == layers.end())
        return false;
    report.SetIndexed(false);
    report.ActiveLayer = z;
    report.SetIndexed(true);
    return true;
}

CentreResult CentreOn(TMapState& state, MapViewState& view, const TRegion& region)
{
    CentreResult result;
    result.LayerSwitched = SwitchLayer(state.Report(), region.CZ);
    if (result.LayerSwitched)
        RebuildView(state, view);
    const MapPoint position = RegionToScreen(view, region);
    result.Scroll = ScrollBy(
        view, position.X - (view.ViewWidth / 2 - 32), position.Y - (view.ViewHeight / 2 - 24));
    return result;
}

std::string LayerName(int32_t z)
{
    return "Ebene " + std::to_string(z);
}

} // namespace maprune
