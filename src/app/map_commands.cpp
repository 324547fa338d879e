// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/map_commands.h"

#include <tuple>

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>

#include "app/main_map_view.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "document/report_document.h"
#include "map/map_zoom.h"
#include "map/selection.h"
#include "map/ui/legend_window.h"
#include "map/ui/overview_window.h"
#include "model/region.h"
#include "model/report.h"

namespace maprune {

namespace {

} // namespace

TMapCommands::TMapCommands(
    TMainWindow& window, TReportDocument& document, TMainMapView& map, TSettings& settings)
    : QObject(&window)
    , FWindow(window)
    , FDocument(document)
    , FMap(map)
    , FMenu(window.Menu())
{
    FOverview = new TOverviewPanel(map, settings);
    FLegend = new TColorMapWindow(map);
    ConnectMapModes();
    ConnectWindows();
    ConnectSelection();
    ConnectMapZoom();
    connect(&map, &TMapView::hintChanged, &window, &TMainWindow::ShowHint);
    connect(FMenu.Refresh, &QAction::triggered, &map, &TMapView::Redraw);
}

void TMapCommands::ConnectMapModes()
{
    const MapModeEntries& entries = FMenu.Map;
    const auto political
        = [this](bool byAlliance, PersonsMode persons) { FMap.ShowPolitical(byAlliance, persons); };
    const MapColouring& colouring = FMap.Colouring();
    connect(entries.Geographic, &QAction::triggered, &FMap, &TMapView::ShowGeographic);
    connect(entries.ByParties, &QAction::triggered, this,
        [=, &colouring] { political(false, colouring.Persons()); });
    connect(entries.ByAlliances, &QAction::triggered, this,
        [=, &colouring] { political(true, colouring.Persons()); });
    const std::pair<QAction*, PersonsMode> persons[] = { { entries.Persons, PersonsMode::Persons },
        { entries.ArmedPersons, PersonsMode::Armed },
        { entries.GuardingPersons, PersonsMode::Guards }, { entries.Manual, PersonsMode::Manual } };
    for (const auto& [entry, mode] : persons) {
        connect(entry, &QAction::triggered, this,
            [=, &colouring] { political(colouring.ByAlliance(), mode); });
    }
    for (size_t i = 0; i < kStatisticCount; ++i) {
        connect(entries.Statistics[i], &QAction::triggered, this,
            [this, i] { FMap.ShowStatistic(static_cast<StatisticKind>(i)); });
    }
    connect(&FMap, &TMapView::coloursChanged, this, &TMapCommands::ShowModeChecks);
    ShowModeChecks();
}

void TMapCommands::ShowModeChecks()
{
    const MapModeEntries& entries = FMenu.Map;
    const MapColouring& colouring = FMap.Colouring();
    const MapMode mode = colouring.Mode();
    entries.Geographic->setChecked(mode == MapMode::Geographic);
    entries.Political->menuAction()->setChecked(mode == MapMode::Political);
    entries.Statistic->menuAction()->setChecked(mode == MapMode::Statistic);
    (colouring.ByAlliance() ? entries.ByAlliances : entries.ByParties)->setChecked(true);
    switch (colouring.Persons()) {
    case PersonsMode::Persons:
        entries.Persons->setChecked(true);
        break;
    case PersonsMode::Armed:
        entries.ArmedPersons->setChecked(true);
        break;
    case PersonsMode::Guards:
        entries.GuardingPersons->setChecked(true);
        break;
    case PersonsMode::Manual:
        entries.Manual->setChecked(true);
        break;
    }
    const auto statistic = static_cast<size_t>(colouring.CurrentStatistic().Kind);
    for (size_t i = 0; i < kStatisticCount; ++i)
        entries.Statistics[i]->setChecked(mode == MapMode::Statistic && i == statistic);
}

TOverviewWindow& TMapCommands::Overview() const
{
    return FOverview->Overview();
}

void TMapCommands::ConnectWindows()
{
    // Docked, the overview never covers the menus, and the main window's
    // layout keeps its place and size (the dock is named "Form5Dock").
    FWindow.AddInfoWindow(FOverview, FMenu.InfoWindows.Overview, Qt::LeftDockWidgetArea);
    FWindow.AddInfoWindow(FLegend, FMenu.InfoWindows.Legend, Qt::RightDockWidgetArea);
    TOverviewWindow* overview = &FOverview->Overview();
    connect(FMenu.ZoomOverviewIn, &QAction::triggered, overview, [overview] { overview->Zoom(1); });
    connect(
        FMenu.ZoomOverviewOut, &QAction::triggered, overview, [overview] { overview->Zoom(-1); });
}

void TMapCommands::ConnectMapZoom()
{
    QMenu& karte = *FMenu.Map.Menu;
    karte.addSeparator();
    // Ctrl+plus and Ctrl+minus belong to the overview; the map takes them
    // with Shift.
    FZoomIn = AddMenuEntry(karte, QStringLiteral("Karte ver&größern"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus));
    FZoomOut = AddMenuEntry(karte, QStringLiteral("Karte ver&kleinern"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Minus));
    connect(FZoomIn, &QAction::triggered, &FMap, &TMapView::ZoomIn);
    connect(FZoomOut, &QAction::triggered, &FMap, &TMapView::ZoomOut);
    connect(&FMap, &TMapView::zoomChanged, this, &TMapCommands::UpdateZoomEntries);
    // A resized view has another whole-layer step.
    connect(&FMap, &TMapView::viewUpdated, this, &TMapCommands::UpdateZoomEntries);
    UpdateZoomEntries();
}

void TMapCommands::UpdateZoomEntries()
{
    const int size = FMap.TileSize();
    EnableMenuEntry(FZoomIn, NextTileSize(size, +1, FMap.WholeLayerTileSize()) != size);
    EnableMenuEntry(FZoomOut, NextTileSize(size, -1, FMap.WholeLayerTileSize()) != size);
}

void TMapCommands::ConnectSelection()
{
    const auto run
        = [this](QAction* entry, const std::function<SelectionOutcome(TReport&)>& operation) {
              FDocument.EditSelection(entry->text().remove(QLatin1Char('&')),
                  [&](TReport& report) { operation(report); });
          };
    const SelectionEntries& select = FMenu.Select;
    const std::tuple<QAction*, SelectionMode, Qt::Key> modes[]
        = { { select.Clear, SelectionMode::Clear, Qt::Key_F6 },
              { select.Invert, SelectionMode::Invert, Qt::Key_F7 },
              { select.All, SelectionMode::Set, Qt::Key_F8 } };
    for (const auto& [entry, mode, key] : modes) {
        const auto setSelection = [=](bool allLayers) {
            run(entry, [=](TReport& report) { return SetSelection(report, mode, allLayers); });
        };
        connect(entry, &QAction::triggered, this, [=] {
            setSelection(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
        });
        // The same key with Shift works on every layer.
        auto* allLayers
            = new QShortcut(QKeySequence(Qt::SHIFT | key), &FWindow, [=] { setSelection(true); });
        allLayers->setObjectName(entry->objectName() + QStringLiteral("AllLayers"));
    }
    connect(select.Fill, &QAction::triggered, this, [=] { run(select.Fill, FillSelection); });
    connect(select.Islands, &QAction::triggered, this, [=] { run(select.Islands, SelectIslands); });
    connect(select.Expand, &QAction::triggered, this, [=] { run(select.Expand, ExpandSelection); });
    connect(select.Contract, &QAction::triggered, this,
        [=] { run(select.Contract, ContractSelection); });
    connect(&FMap, &TMapView::selectionRequested, &FDocument,
        [this](TRegion* region, bool selected, int gesture) {
            FDocument.SetRegionSelected(*region, selected, gesture);
        });
}

} // namespace maprune
