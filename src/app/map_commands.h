// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace maprune {

class TColorMapWindow;
class TMainMapView;
class TMainWindow;
class TOverviewWindow;
class TSettings;
struct MainMenu;

// The commands of the main menu that act on the map view: the colourings of
// "&Karte", the overview ("&Übersicht", zoom entries) and legend
// ("&Legende") windows, "a&ktualisieren", the selection operations of
// "A&uswahl", and the map's hint in the status bar. Lives as long as the
// main window, whose child it is.
class TMapCommands : public QObject {
    Q_OBJECT
public:
    TMapCommands(TMainWindow& window, TMainMapView& map, TSettings& settings);

    TOverviewWindow& Overview() const { return *overview_; }
    TColorMapWindow& Legend() const { return *legend_; }

signals:
    // The selection of regions changed (by mouse or command): the units
    // window refills.
    void selectionChanged();

private:
    void ConnectMapModes();
    void ConnectWindows();
    void ConnectSelection();
    // Checks the "&Karte" entries of the map's present colouring.
    void ShowModeChecks();

    TMainWindow& window_;
    TMainMapView& map_;
    const MainMenu& menu_;
    TOverviewWindow* overview_ = nullptr;
    TColorMapWindow* legend_ = nullptr;
};

} // namespace maprune
