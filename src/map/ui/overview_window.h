// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace maprune {

class TMapView;
class TSettings;

// "Übersichtskarte" (Form5): the active layer at one pixel per overview cell,
// stretched by the zoom, with the visible part of the main map framed in
// white. Pressing the left button, and moving with it held, scrolls the map
// to the point; the right button switches the dimming of outdated regions;
// Ctrl with plus or minus zooms. An always-on-top tool window; the picture
// is built anew whenever the map's colours or layer change, also while the
// window is hidden, and the window takes the size of the picture times the
// zoom. `map` and `settings` (OverviewZoom, FOW_Mode) must outlive it.
class TOverviewWindow : public QWidget {
    Q_OBJECT
public:
    TOverviewWindow(TMapView& map, TSettings& settings, QWidget* parent = nullptr);

    // Builds the picture for the map's present state, fits the zoom to the
    // screen, sizes the window and stores the zoom in OverviewZoom.
    void Rebuild();
    // Changes OverviewZoom by `step` (+1 or -1) within 1 .. 32 and rebuilds.
    void Zoom(int step);

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
    void KeepOnScreen();

    TMapView& FMap;
    TSettings& FSettings;
    QImage FPicture;
    int32_t FZoom = 1;
    bool FDimming = true;
};

} // namespace maprune
