// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include <QPoint>
#include <QWidget>

namespace maprune {

class TRegion;
class TReport;
class TReportDocument;

// The map view in Panel2 of the main window. It draws the active layer of
// the document's report, keeps its scroll positions and the current region
// (the one with the marker), and tells when the user made another region
// current; BindMapView connects it to the document.
// The view is installed with TMainWindow::SetMapView; its Widget() is then
// owned by Panel2 and must own the view object (usually they are one).
class MapViewSlot {
public:
    virtual ~MapViewSlot() = default;

    // The widget shown in Panel2 (objectName "Image1").
    virtual QWidget* Widget() = 0;

    // The report (null: none is open) was loaded, replaced or changed in
    // place: recompute extent, overview, scroll bars and colours, and
    // redraw. The pointer is valid until the next call.
    virtual void Rebuild(TReport* report) = 0;

    // The active layer of the shown report was switched: the view is
    // rebuilt for it.
    virtual void ShowActiveLayer() = 0;

    // Draws `region` anew (its comment or marks changed).
    virtual void RedrawRegion(TRegion& region) = 0;
    // Draws the whole view anew (many regions changed their selection).
    virtual void Redraw() = 0;
    // The alliances changed: the political colouring follows.
    virtual void AlliancesChanged() = 0;
    // Shows `region` in the middle of the view.
    virtual void CentreOn(TRegion& region) = 0;

    // Regions of the shown report are about to be freed: forget every one
    // the view holds (the current and the hovered region).
    virtual void ForgetRegions() = 0;

    // The positions of the horizontal (ScrollBar2) and vertical (ScrollBar1)
    // scroll bar: written into the report's PosX and PosY before a database
    // is saved, and set from them after one is loaded.
    virtual QPoint ScrollPositions() const = 0;
    virtual void SetScrollPositions(QPoint positions) = 0;

    // The place of the map kept in a database: the view shows a report just
    // opened at its stored place (by default the scroll positions PosX and
    // PosY), and writes its place into the report before it is saved.
    virtual void ShowStoredPlace(const TReport& report);
    virtual void StorePlace(TReport& report) const;

    // The current region (null: none), a region of the report last given
    // to Rebuild. SetCurrentRegion moves the marker and redraws both
    // regions concerned; like every change the user makes, it is reported
    // to the callback.
    virtual TRegion* CurrentRegion() const = 0;
    virtual void SetCurrentRegion(TRegion* region) = 0;
    virtual void OnCurrentRegionChanged(std::function<void(TRegion*)> callback) = 0;
};

// Makes `view` follow `document` (report, layer, current region, the scroll
// positions kept in a saved database) and the document follow the regions
// the user makes current in the view. The connections end with the view's
// widget.
void BindMapView(TReportDocument& document, MapViewSlot& view);

// What Panel2 shows until the map view is installed: a black area that
// draws nothing and keeps the scroll positions and the current region it
// is given, so that a database keeps its PosX and PosY through a load and
// a save.
class TMapPlaceholder : public QWidget, public MapViewSlot {
    Q_OBJECT
public:
    explicit TMapPlaceholder(QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    void Rebuild(TReport*) override { }
    void ShowActiveLayer() override { }
    void RedrawRegion(TRegion&) override { }
    void Redraw() override { }
    void AlliancesChanged() override { }
    void CentreOn(TRegion& region) override { SetCurrentRegion(&region); }
    void ForgetRegions() override { SetCurrentRegion(nullptr); }
    QPoint ScrollPositions() const override { return FPositions; }
    void SetScrollPositions(QPoint positions) override { FPositions = positions; }
    // Keeps the zoom as well.
    void ShowStoredPlace(const TReport& report) override;
    void StorePlace(TReport& report) const override;
    TRegion* CurrentRegion() const override { return FCurrent; }
    void SetCurrentRegion(TRegion* region) override;
    void OnCurrentRegionChanged(std::function<void(TRegion*)> callback) override
    {
        FChanged = std::move(callback);
    }

private:
    QPoint FPositions;
    int32_t FZoom = 64;
    TRegion* FCurrent = nullptr;
    std::function<void(TRegion*)> FChanged;
};

} // namespace maprune
