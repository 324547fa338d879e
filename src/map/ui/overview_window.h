// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QScrollArea>
#include <QWidget>

#include <cstdint>

namespace maprune {

class TMapView;
class TSettings;

// The picture of the overview "Übersichtskarte": the active layer at one
// pixel per overview cell, stretched by the zoom, with the visible part of
// the main map framed in white. Pressing the left button, and moving with it
// held, scrolls the map to the point; the right button switches the dimming
// of outdated regions; Ctrl with plus or minus zooms. The picture is built
// anew whenever the map's colours or layer change, also while it is hidden,
// and the widget takes the size of the picture times the zoom. When a report
// is shown the zoom fits the picture into the fit area (SetFitArea); once
// the user zoomed, his zoom stays until the next report. `map` and
// `settings` (OverviewZoom, FOW_Mode) must outlive it.
class TOverviewWindow : public QWidget {
    Q_OBJECT
public:
    TOverviewWindow(TMapView& map, TSettings& settings, QWidget* parent = nullptr);

    // Builds the picture for the map's present state, sizes the widget and
    // stores the zoom in OverviewZoom. The zoom is the largest that fits the
    // fit area while it follows the report, else the user's; both are raised
    // so that a small layer still gives about 32 pixels.
    void Rebuild();
    // Changes the zoom by `step` (+1 or -1) within 1 .. 32, keeps it as the
    // user's and rebuilds.
    void Zoom(int step);
    // The room the zoom fits the picture into (the screen until set).
    void SetFitArea(QSize area);
    // Whether the zoom is fitted (no Zoom since the report was shown).
    bool Fitting() const { return FFitting; }

    bool Dimming() const { return FDimming; }
    void SetDimming(bool on);
    // One pixel per overview pixel, before stretching.
    const QImage& Picture() const { return FPicture; }
    int32_t ZoomFactor() const { return FZoom; }

signals:
    // The user closed the window (the menu item "&Übersicht" unchecks).
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ScrollMapTo(QPoint point);

    TMapView& FMap;
    TSettings& FSettings;
    QImage FPicture;
    int32_t FZoom = 1;
    bool FDimming = true;
    bool FFitting = true;
    QSize FFitArea;
};

// "Übersichtskarte" (Form5) as the main window docks it: the overview
// picture, centred, with scroll bars when the user zoomed it larger than the
// room. The zoom of a newly shown report fits the room.
class TOverviewPanel : public QScrollArea {
    Q_OBJECT
public:
    TOverviewPanel(TMapView& map, TSettings& settings, QWidget* parent = nullptr);

    TOverviewWindow& Overview() const { return *FOverview; }
    QSize sizeHint() const override { return { 240, 180 }; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TOverviewWindow* FOverview = nullptr;
};

} // namespace maprune
