// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;

namespace maprune {

class TColorMapWindow;
class TMainMapView;
class TMainWindow;
class TOverviewPanel;
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

    TOverviewWindow& Overview() const;
    // The zoom entries of "&Karte": "Karte ver&größern" (Ctrl+Shift+plus)
    // and "Karte ver&kleinern" (Ctrl+Shift+minus).
    QAction* ZoomMapIn() const { return FZoomIn; }
    QAction* ZoomMapOut() const { return FZoomOut; }
    TColorMapWindow& Legend() const { return *FLegend; }

private:
    void ConnectMapModes();
    void ConnectWindows();
    void ConnectSelection();
    void ConnectMapZoom();
    // The zoom entries can be chosen while there is a step to go.
    void UpdateZoomEntries();
    // Checks the "&Karte" entries of the map's present colouring.
    void ShowModeChecks();

    TMainWindow& FWindow;
    TReportDocument& FDocument;
    TMainMapView& FMap;
    const MainMenu& FMenu;
    TOverviewPanel* FOverview = nullptr;
    QAction* FZoomIn = nullptr;
    QAction* FZoomOut = nullptr;
    TColorMapWindow* FLegend = nullptr;
};

} // namespace maprune
