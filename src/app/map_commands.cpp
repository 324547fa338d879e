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
#include "map/selection.h"
#include "map/ui/legend_window.h"
#include "map/ui/overview_window.h"
#include "model/region.h"
#include "model/report.h"

namespace maprune {

namespace {

// Shows or hides the overview by its check item; closing the window
// unchecks the item.
void BindOverviewToEntry(TOverviewWindow* overview, QAction* entry)
{
    QObject::connect(entry, &QAction::toggled, overview, [overview](bool shown) {
        if (shown) {
            overview->show();
            overview->raise();
        } else {
            overview->hide();
        }
    });
    QObject::connect(
        overview, &TOverviewWindow::closed, entry, [entry] { entry->setChecked(false); });
}

} // namespace

TMapCommands::TMapCommands(TMainWindow& window, TMainMapView& map, TSettings& settings)
    : QObject(&window)
    , window_(window)
    , map_(map)
    , menu_(window.Menu())
{
    overview_ = new TOverviewWindow(map, settings, &window);
    legend_ = new TColorMapWindow(map);
    ConnectMapModes();
    ConnectWindows();
    ConnectSelection();
    connect(&map, &TMapView::hintChanged, &window, &TMainWindow::ShowHint);
    connect(menu_.Refresh, &QAction::triggered, &map, &TMapView::Redraw);
}

void TMapCommands::ConnectMapModes()
{
    const MapModeEntries& entries = menu_.Map;
    const auto political
        = [this](bool byAlliance, PersonsMode persons) { map_.ShowPolitical(byAlliance, persons); };
    const MapColouring& colouring = map_.Colouring();
    connect(entries.Geographic, &QAction::triggered, &map_, &TMapView::ShowGeographic);
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
            [this, i] { map_.ShowStatistic(static_cast<StatisticKind>(i)); });
    }
    connect(&map_, &TMapView::coloursChanged, this, &TMapCommands::ShowModeChecks);
    ShowModeChecks();
}

void TMapCommands::ShowModeChecks()
{
    const MapModeEntries& entries = menu_.Map;
    const MapColouring& colouring = map_.Colouring();
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

void TMapCommands::ConnectWindows()
{
    BindOverviewToEntry(overview_, menu_.InfoWindows.Overview);
    window_.AddInfoWindow(legend_, menu_.InfoWindows.Legend, Qt::RightDockWidgetArea);
    connect(menu_.ZoomOverviewIn, &QAction::triggered, overview_, [this] { overview_->Zoom(1); });
    connect(menu_.ZoomOverviewOut, &QAction::triggered, overview_, [this] { overview_->Zoom(-1); });
}

void TMapCommands::ConnectSelection()
{
    const auto run = [this](const std::function<SelectionOutcome(TReport&)>& operation) {
        TReport* report = window_.Report();
        if (report == nullptr)
            return;
        if (operation(*report).Refresh) {
            map_.Redraw();
            emit selectionChanged();
        }
    };
    const SelectionEntries& select = menu_.Select;
    const std::tuple<QAction*, SelectionMode, Qt::Key> modes[]
        = { { select.Clear, SelectionMode::Clear, Qt::Key_F6 },
              { select.Invert, SelectionMode::Invert, Qt::Key_F7 },
              { select.All, SelectionMode::Set, Qt::Key_F8 } };
    for (const auto& [entry, mode, key] : modes) {
        const auto setSelection = [=](bool allLayers) {
            run([=](TReport& report) { return SetSelection(report, mode, allLayers); });
        };
        connect(entry, &QAction::triggered, this, [=] {
            setSelection(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
        });
        // The same key with Shift works on every layer.
        auto* allLayers
            = new QShortcut(QKeySequence(Qt::SHIFT | key), &window_, [=] { setSelection(true); });
        allLayers->setObjectName(entry->objectName() + QStringLiteral("AllLayers"));
    }
    connect(select.Fill, &QAction::triggered, this, [=] { run(FillSelection); });
    connect(select.Islands, &QAction::triggered, this, [=] { run(SelectIslands); });
    connect(select.Expand, &QAction::triggered, this, [=] { run(ExpandSelection); });
    connect(select.Contract, &QAction::triggered, this, [=] { run(ContractSelection); });
    connect(&map_, &TMapView::selectionChanged, this, &TMapCommands::selectionChanged);
}

} // namespace maprune
