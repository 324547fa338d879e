// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include <QPoint>
#include <QWidget>

namespace maprune {

class TRegion;
class TReport;

// The map view in Panel2 of the main window, as the main window sees it.
// The main window owns the report and tells the view of every change; the
// view draws the active layer, keeps its scroll positions and the current
// region (the one with the marker), and tells the main window when the user
// made another region current.
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

    // Makes layer `z` of the shown report the active one, with the view
    // rebuilt for it; false when there is no such layer or it is active.
    virtual bool SwitchLayer(int32_t z) = 0;

    // Draws one region anew, e.g. when it became or stopped being the
    // current region (TMainWindow::CurrentRegion).
    virtual void RedrawRegion(TRegion& region) = 0;

    // The positions of the horizontal (ScrollBar2) and vertical (ScrollBar1)
    // scroll bar: written into the report's PosX and PosY before a database
    // is saved, and set from them after one is loaded.
    virtual QPoint ScrollPositions() const = 0;
    virtual void SetScrollPositions(QPoint positions) = 0;

    // The current region (null: none), a region of the report last given
    // to Rebuild. SetCurrentRegion moves the marker and redraws both
    // regions concerned; like every change the user makes, it is reported
    // to the callback.
    virtual TRegion* CurrentRegion() const = 0;
    virtual void SetCurrentRegion(TRegion* region) = 0;
    virtual void OnCurrentRegionChanged(std::function<void(TRegion*)> callback) = 0;
};

// What Panel2 shows until the map view is installed: a black area that
// draws nothing and keeps the scroll positions and the current region it
// is given, so that a database keeps its PosX and PosY through a load and
// a save.
class TMapPlaceholder : public QWidget, public MapViewSlot {
    Q_OBJECT
public:
    explicit TMapPlaceholder(QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    void Rebuild(TReport* report) override { report_ = report; }
    bool SwitchLayer(int32_t z) override;
    void RedrawRegion(TRegion&) override { }
    QPoint ScrollPositions() const override { return positions_; }
    void SetScrollPositions(QPoint positions) override { positions_ = positions; }
    TRegion* CurrentRegion() const override { return current_; }
    void SetCurrentRegion(TRegion* region) override;
    void OnCurrentRegionChanged(std::function<void(TRegion*)> callback) override
    {
        changed_ = std::move(callback);
    }

private:
    TReport* report_ = nullptr;
    QPoint positions_;
    TRegion* current_ = nullptr;
    std::function<void(TRegion*)> changed_;
};

} // namespace maprune
