// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QSpinBox;

namespace maprune {

class TMapView;

// "Legende": the legend of the map's colouring in ListBox1, each entry a
// 16-pixel line filled with its colour and its text in black or white,
// whichever reads better, under a heading (Label2) that names the map; and,
// for the political map, the spin edit "politische Karte von &Runde:"
// (SpinEdit1) with its turn. The window follows every
// change of the map's colours; changing the turn recolours a political map
// (other maps only keep the turn for their caption). `map` must outlive it.
class TColorMapWindow : public QWidget {
    Q_OBJECT
public:
    explicit TColorMapWindow(TMapView& map, QWidget* parent = nullptr);

signals:
    // The user closed the window (the menu item "&Legende" unchecks).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Refill();

    TMapView& FMap;
    QListWidget* FList = nullptr;
    QSpinBox* FTurn = nullptr;
    QWidget* FTurnRow = nullptr;
    QLabel* FHeading = nullptr;
};

} // namespace maprune
