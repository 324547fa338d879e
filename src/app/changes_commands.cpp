// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/changes_commands.h"

#include <QAction>
#include <QDockWidget>

#include "app/info/region_window.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/program_commands.h"
#include "app/tool_table.h"
#include "config/settings.h"
#include "map/ui/map_view_widget.h"
#include "model/report.h"
#include "tools/changes/change_list.h"
#include "tools/changes/change_settings.h"
#include "tools/ui/changes_window.h"

namespace maprune {

namespace {

// The map in Panel2, null while there is none.
TMapView* MapOf(TMainWindow& window)
{
    return window.findChild<TMapView*>(QStringLiteral("Image1"));
}

} // namespace

void InstallChangesWindow(const ToolHost& host, QAction& entry)
{
    TMainWindow& window = host.Window;
    TSettings& settings = host.Settings;
    auto* changes = new TChangesWindow(settings, window.Document(), &window);
    QDockWidget* dock = window.AddInfoWindow(changes, &entry, Qt::BottomDockWidgetArea);
    // One row of tabs at the bottom: split beside the calculator or the
    // messages, the lines of changes would be cut short.
    auto* messages = window.findChild<QDockWidget*>(QStringLiteral("MessagesWindowDock"));
    auto* calculator = window.findChild<QDockWidget*>(QStringLiteral("CalculatorFormDock"));
    if (messages != nullptr)
        window.tabifyDockWidget(messages, dock);
    if (calculator != nullptr)
        window.tabifyDockWidget(dock, calculator);

    QObject::connect(
        changes, &TChangesWindow::unitOpened, &window.RegionWindow(), &TRegionWindow::unitOpened);

    const ChangeWeigher weigher = [changes, &settings](const TReport& report) {
        const ChangeTurns turns = changes->Turns();
        return RegionChangeWeights {
            RegionWeights(
                report, TurnChanges(report, turns.From, turns.To, ThresholdsOf(settings))),
            turns.From, turns.To
        };
    };
    QAction* mapEntry = window.Menu().Tool("changes-map");
    QObject::connect(mapEntry, &QAction::triggered, changes, [&window, weigher] {
        if (TMapView* map = MapOf(window))
            map->ShowChanges(weigher);
    });
    if (host.Map != nullptr) {
        QObject::connect(host.Map, &TMapView::coloursChanged, mapEntry,
            [map = host.Map, mapEntry] { mapEntry->setChecked(map->Mode() == MapMode::Changes); });
    }
    // The map recolours before the window compares a new report's turns.
    QObject::connect(changes, &TChangesWindow::compared, &window, [&window, weigher] {
        TMapView* map = MapOf(window);
        if (map != nullptr && map->Mode() == MapMode::Changes)
            map->ShowChanges(weigher);
    });
    QObject::connect(&host.Program, &TProgramCommands::configured, changes, [changes] {
        const ChangeTurns turns = changes->Turns();
        changes->Compare(turns.From, turns.To);
    });
}

} // namespace maprune
