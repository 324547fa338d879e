// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_map_view.h"

#include "model/region.h"
#include "model/report.h"

namespace maprune {

TMainMapView::TMainMapView(
    const TMapPictures& pictures, TSettings& settings, Dialogs& dialogs, QWidget* parent)
    : TMapView(pictures, settings, dialogs, parent)
{
    connect(this, &TMapView::currentRegionChanged, this, [this](TRegion* region) {
        if (FCurrentRegionChanged)
            FCurrentRegionChanged(region);
    });
}

void TMainMapView::Rebuild(TReport* report)
{
    if (report == Report())
        ReportChanged();
    else
        SetReport(report);
}

void TMainMapView::StorePlace(TReport& report) const
{
    MapViewSlot::StorePlace(report);
    report.Zoom = TileSize();
}

void TMainMapView::OnCurrentRegionChanged(std::function<void(TRegion*)> callback)
{
    FCurrentRegionChanged = std::move(callback);
}

} // namespace maprune
