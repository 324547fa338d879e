// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/map_view_slot.h"
#include "map/ui/map_view_widget.h"

namespace maprune {

// The map view as the main window mounts it in Panel2: the map widget
// itself, following the report document (BindMapView).
class TMainMapView : public TMapView, public MapViewSlot {
    Q_OBJECT
public:
    TMainMapView(const TMapPictures& pictures, TSettings& settings, Dialogs& dialogs,
        QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    // A report other than the shown one is shown from its stored scroll
    // positions; the shown one was changed in place or switched layers.
    void Rebuild(TReport* report) override;
    void ShowActiveLayer() override { TMapView::ShowActiveLayer(); }
    void ForgetRegions() override { TMapView::ForgetRegions(); }
    void RedrawRegion(TRegion& region) override { TMapView::RedrawRegion(region); }
    void Redraw() override { TMapView::Redraw(); }
    void AlliancesChanged() override { TMapView::AlliancesChanged(); }
    void CentreOn(TRegion& region) override { TMapView::CentreOn(region); }
    QPoint ScrollPositions() const override { return TMapView::ScrollPositions(); }
    void SetScrollPositions(QPoint positions) override { TMapView::SetScrollPositions(positions); }
    // The zoom and scroll positions; a report without usable ones opens
    // centred on the own party's units.
    void ShowStoredPlace(const TReport&) override { OpenAtStoredPlace(); }
    void StorePlace(TReport&) const override;
    TRegion* CurrentRegion() const override { return TMapView::CurrentRegion(); }
    void SetCurrentRegion(TRegion* region) override { TMapView::SetCurrentRegion(region); }
    void OnCurrentRegionChanged(std::function<void(TRegion*)> callback) override;

private:
    std::function<void(TRegion*)> FCurrentRegionChanged;
};

} // namespace maprune
