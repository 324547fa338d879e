// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include <QAbstractScrollArea>
#include <QPoint>
#include <QString>

#include "map/alliance_list.h"
#include "map/map_colouring.h"
#include "map/map_view.h"
#include "map/statistics.h"

class QLabel;
class QScrollBar;
class QTimer;
class QToolButton;

namespace maprune {

class Dialogs;
class TMapCanvas;
class TMapPictures;
class TMapState;
class TRegion;
class TReport;
class TSettings;
class TTileRenderer;

// The map view of the main window (Image1): the regions of the active layer
// of the report as hexagons, with the vertical scroll bar ScrollBar1, the
// horizontal ScrollBar2, the corner button SpeedButton1 between them and the
// caption label Label1 over the map's top edge. It scrolls (scroll bars,
// arrow keys, dragging with the right button), keeps the current and the
// hovered region, selects regions by dragging with the left button, and
// holds the colouring of the map and the map state of the report (drawing
// index and region colours). It reads no files: pictures, settings and
// the report come from the main window.
//
// The report is not owned. The main window calls SetReport with the new
// report (or null) before it frees the old one, and ReportChanged after it
// changed the report in place (reports added). The widget reads the
// settings ScrollSpeed, RightSelect, SwapMouseButtons, FOW_Mode and TextStyle
// whenever it needs them, so changes in the configuration dialog take effect
// at once; the corner button writes FOW_Mode (click) and TextStyle
// (Shift+click).
class TMapView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // `pictures`, `settings` and `dialogs` must outlive the view; the view
    // draws in the layout of `pictures`. Failures of drawing steps are shown
    // through `dialogs`.
    TMapView(const TMapPictures& pictures, TSettings& settings, Dialogs& dialogs,
        QWidget* parent = nullptr);
    ~TMapView() override;

    // --- The report

    // Shows `report` (null: none; the view turns black). Forgets the current
    // and hovered region without touching the old report, resets the party
    // list of the political map, rebuilds the view for the report's active
    // layer, takes the scroll positions from its PosX and PosY, recolours and
    // redraws.
    void SetReport(TReport* report);
    TReport* Report() const { return FReport; }
    // The drawing index and colours of the report; null without a report.
    TMapState* MapState() const { return FState.get(); }
    // The report was changed in place (reports or orders added): the same as
    // SetReport but the scroll positions stay. The current and hovered
    // regions stay when they still belong to the report.
    void ReportChanged();

    // The positions of ScrollBar2 (x) and ScrollBar1 (y) in pixels.
    QPoint ScrollPositions() const;
    void SetScrollPositions(QPoint positions);
    // Writes the scroll positions and the zoom into the report's PosX, PosY
    // and Zoom, before the report is saved as a database.
    void StoreScrollPositions();
    // Shows the report just opened at its stored zoom and scroll positions,
    // or, when it stored none or they lie outside the layer, centred on the
    // own party's units, else on the middle of the layer.
    void OpenAtStoredPlace();

    // --- Zoom (Ctrl+wheel, Ctrl+Shift+plus and minus, "Ansicht > Karte")

    // The tile size in pixels (64 unzoomed).
    int TileSize() const { return static_cast<int>(FView.TileSize); }
    // Zooms to tiles of `size` pixels, keeping the map point under `anchor`
    // (a point of the view) in place, and redraws.
    void SetTileSize(int size, QPoint anchor);
    // One zoom step in (direction > 0) or out, down to the whole-layer view
    // and up to twice the tile size, around the mouse when it is over the
    // map, else around the middle of the view.
    void ZoomStep(int direction);
    void ZoomIn() { ZoomStep(+1); }
    void ZoomOut() { ZoomStep(-1); }
    // The smallest tile size: the one that shows the whole layer.
    int WholeLayerTileSize() const;

    // --- Regions

    TRegion* CurrentRegion() const { return FCurrent; }
    TRegion* HoveredRegion() const { return FHovered; }
    // Makes `region` (of the report's active layer, or null) the current
    // region: moves the marker, redraws both regions and signals the change.
    void SetCurrentRegion(TRegion* region);
    // SetCurrentRegion(null): before a report is opened and on layer
    // switches.
    void ClearCurrentRegion() { SetCurrentRegion(nullptr); }
    // Regions of the report are about to be freed: the current and the
    // hovered region are forgotten, so that no event in the meantime
    // reaches a freed one.
    void ForgetRegions();
    // The mouse left the map for a window that shows the current region:
    // the region under the mouse's last place on the map does not become
    // current.
    void StopHoverTimer();
    // The hover timer's action (also a right press with RightSelect): the
    // hovered region becomes the current one.
    void CommitHover();
    // Switches to the region's layer if needed, scrolls the region into the
    // middle of the view and makes it the current region at once.
    void CentreOn(TRegion& region);

    // --- Drawing

    // Redraws the whole view (F5, after selection operations).
    void Redraw();
    // Redraws one region in place (its selection or marks changed).
    void RedrawRegion(TRegion& region);
    // Redraws the regions flagged with bit 8 of their Tag and clears it.
    void RedrawMarked();
    // Moves the view by (dx, dy) pixels over the map, within the scroll
    // ranges, and redraws what was uncovered.
    void ScrollBy(int64_t dx, int64_t dy);
    // Arrow keys: left and right step ScrollBar2, up and down ScrollBar1.
    // Returns whether `key` was one of them.
    bool ArrowKey(int key);

    // --- Layers

    // The layers of the report in order of first appearance.
    std::vector<int32_t> Layers() const;
    int32_t ActiveLayer() const;
    // Clears the current region and makes layer z active if it exists and
    // differs; then rebuilds, recolours and redraws. Returns whether it
    // switched.
    bool SwitchLayer(int32_t z);
    // The owner of the report switched its active layer: clears the current
    // region, rebuilds, recolours and redraws.
    void ShowActiveLayer();

    // --- Colouring (menu "&Karte")

    const MapColouring& Colouring() const { return FColouring; }
    MapMode Mode() const { return FColouring.Mode(); }
    void ShowGeographic();
    void ShowStatistic(StatisticKind kind);
    void ShowPolitical(bool byAlliance, PersonsMode persons);
    // The map of changes, weighed by `weigher` (kept for every recolouring).
    void ShowChanges(ChangeWeigher weigher);
    // The turn of the political map (the legend window's spin edit).
    void SetShownTurn(int32_t turn);
    // The alliances the political map groups by; not owned, null for none.
    void SetAlliances(const AllianceList* alliances);
    // The alliances were edited: rebuild the legend and recolour.
    void AlliancesChanged();
    // The caption over the map (Label1); empty in geographic mode.
    QString Caption() const;

    // --- For the overview, tests and benchmarks

    const MapViewState& ViewState() const { return FView; }
    const QImage& Canvas() const;
    // The regions drawn by the last redraw of the view.
    size_t LastDrawnCount() const;
    const QString& Hint() const { return FHint; }

signals:
    // Another report (or none) is shown (SetReport).
    void reportShown();
    // The zoom changed (the zoom entries enable and disable themselves).
    void zoomChanged(int tileSize);
    void currentRegionChanged(TRegion* region);
    void hoveredRegionChanged(TRegion* region);
    // The left button asks to select (or deselect) `region`; the view
    // changes no selection itself. Requests of one drag share `gesture`.
    void selectionRequested(TRegion* region, bool selected, int gesture);
    // The hint of the region under the mouse, for the status bar; empty over
    // no region and after a selection toggle.
    void hintChanged(const QString& hint);
    // The report or the active layer changed: layer list, extent and the
    // report's turn are new (the layer combo box, the overview and the
    // legend's turn follow).
    void viewRebuilt();
    // Mode, colours, legend or caption changed (the legend window and the
    // overview follow).
    void coloursChanged();
    // The picture of the view was drawn anew or moved (the overview repaints
    // its frame).
    void viewUpdated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebuild(bool keepRegions);
    void Recoloured();
    void RedrawWithShift(int64_t shiftX, int64_t shiftY);
    void ApplyScroll(const ScrollResult& result);
    void SyncScrollBars();
    void CornerButtonClicked();
    void UpdateTileOptions();
    void UpdateCaption();
    void SetHint(const QString& hint);
    // The region's description with the suffix of the colouring.
    QString HintOf(const TRegion& region) const;
    void UpdateHover(QPoint position);
    void DragSelect(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    bool Owns(const TRegion* region) const;

    TSettings& FSettings;
    std::unique_ptr<TTileRenderer> FTiles;
    std::unique_ptr<TMapCanvas> FCanvas;
    TReport* FReport = nullptr;
    std::unique_ptr<TMapState> FState;
    MapViewState FView;
    MapColouring FColouring;
    const AllianceList* FAlliances = nullptr;
    TRegion* FCurrent = nullptr;
    TRegion* FHovered = nullptr;
    QString FHint;

    QLabel* FCaption = nullptr;
    QToolButton* FCornerButton = nullptr;
    Qt::KeyboardModifiers FCornerModifiers;
    QTimer* FHoverTimer = nullptr;
    // Pixels per scroll bar step, above 1 only for maps wider or taller than
    // a scroll bar's integer range.
    int64_t FScaleX = 1;
    int64_t FScaleY = 1;
    bool FSyncingBars = false;
    // The fraction of a wheel step not yet turned into a zoom step.
    int FWheelRest = 0;

    // Mouse state.
    bool FLeftDragActive = false;
    bool FLeftDragSelects = false;
    int FDragGesture = 0;
    bool FRightDragActive = false;
    QPoint FLastPoint;
    bool FMouseInside = false;
    QPoint FMousePosition;
};

} // namespace maprune
