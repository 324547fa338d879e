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
    result.Scroll = CentreOnTile(view, RegionToMapPixel(region.CX, region.CY, view.Layout));
    return result;
}

ScrollResult CentreOnTile(MapViewState& view, MapPoint corner)
{
    const MapPoint position = MapToScreen(view, corner);
    return ScrollBy(view, position.X - (view.ViewWidth / 2 - view.TileSize / 2),
        position.Y - (view.ViewHeight / 2 - view.TileSize * 3 / 8));
}

const TRegion* OwnUnitsRegion(const TReport& report, MapLayout layout)
{
    std::vector<std::pair<const TRegion*, MapPoint>> own;
    double sumX = 0;
    double sumY = 0;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr || region->CZ != report.ActiveLayer || !region->HasOwnUnit())
            continue;
        const MapPoint at = RegionToMapPixel(region->CX, region->CY, layout);
        own.emplace_back(region, at);
        sumX += static_cast<double>(at.X);
        sumY += static_cast<double>(at.Y);
    }
    if (own.empty())
        return nullptr;
    // The middle itself may lie in the sea between two groups of units.
    const double midX = sumX / static_cast<double>(own.size());
    const double midY = sumY / static_cast<double>(own.size());
    const auto distance = [&](const MapPoint& p) {
        const double dx = static_cast<double>(p.X) - midX;
        const double dy = static_cast<double>(p.Y) - midY;
        return dx * dx + dy * dy;
    };
    return std::min_element(own.begin(), own.end(),
        [&](const auto& a, const auto& b) { return distance(a.second) < distance(b.second); })
        ->first;
}

bool OpenAt(MapViewState& view, const TReport& report, int64_t storedX, int64_t storedY)
{
    const bool usable = (storedX != 0 || storedY != 0) && storedX >= 0 && storedY >= 0
        && storedX <= view.Horizontal.Maximum && storedY <= view.Vertical.Maximum;
    if (usable) {
        ScrollBy(view, storedX - view.Horizontal.Position, storedY - view.Vertical.Position);
        return true;
    }
    if (const TRegion* region = OwnUnitsRegion(report, view.Layout)) {
        CentreOnTile(view, RegionToMapPixel(region->CX, region->CY, view.Layout));
        return false;
    }
    ScrollBy(view, view.Horizontal.Maximum / 2 - view.Horizontal.Position,
        view.Vertical.Maximum / 2 - view.Vertical.Position);
    return false;
}

std::string LayerName(int32_t z)
{
    return "Ebene " + std::to_string(z);
}

} // namespace maprune
