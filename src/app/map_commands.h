// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace maprune {

class TColorMapWindow;
class TMainMapView;
class TMainWindow;
class TOverviewWindow;
class TReportDocument;
class TSettings;
struct MainMenu;

// The commands of the main menu that act on the map view: the colourings of
// "&Karte", the overview ("&Übersicht", zoom entries) and legend
// ("&Legende") windows, "a&ktualisieren", the selection operations of
// "A&uswahl" (announced through the document), and the map's hint in the
// status bar. Lives as long as the main window, whose child it is.
class TMapCommands : public QObject {
    Q_OBJECT
public:
    TMapCommands(
        TMainWindow& window, TReportDocument& document, TMainMapView& map, TSettings& settings);

    TOverviewWindow& Overview() const { return *FOverview; }
    TColorMapWindow& Legend() const { return *FLegend; }

private:
    void ConnectMapModes();
    void ConnectWindows();
    void ConnectSelection();
    // Checks the "&Karte" entries of the map's present colouring.
    void ShowModeChecks();

    TMainWindow& FWindow;
    TReportDocument& FDocument;
    TMainMapView& FMap;
    const MainMenu& FMenu;
    TOverviewWindow* FOverview = nullptr;
    TColorMapWindow* FLegend = nullptr;
};

} // namespace maprune
