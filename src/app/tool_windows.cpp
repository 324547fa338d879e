// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tool_windows.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>

#include "app/info/region_window.h"
#include "app/main_window.h"
#include "app/tool_table.h"
#include "document/report_document.h"
#include "orders/ui/all_orders_window.h"
#include "tools/ui/alliance_window.h"
#include "tools/ui/calculator_form.h"
#include "tools/ui/route_window.h"
#include "tools/ui/search_window.h"
#include "tools/ui/stats_window.h"
#include "tools/ui/time_stats_window.h"
#include "tools/ui/trading_window.h"

namespace maprune {

namespace {

// Shows a window that stays open beside the map, or brings it to the front.
void Present(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void InstallRouteWindow(const ToolHost& host, QAction& entry)
{
    if (host.Map == nullptr)
        return;
    TMainWindow& window = host.Window;
    auto* route
        = new TRouteWindow({ host.Settings, window.Document(), *host.Map, host.Messages }, &window);
    QObject::connect(&entry, &QAction::toggled, route, [route](bool shown) {
        if (shown) {
            route->show();
            route->raise();
        } else {
            route->close();
        }
    });
    QObject::connect(route, &TRouteWindow::closed, &entry, [&entry] { entry.setChecked(false); });
    const auto showMenus = [&window, route] {
        const MainMenu& menus = window.Menu();
        const bool shown = !route->isVisible();
        const bool report = window.Document().Report() != nullptr;
        ShowMenuEntry(menus.Program->menuAction(), shown);
        for (QMenu* reportMenu : { menus.View, menus.Selection, menus.Extras })
            ShowMenuEntry(reportMenu->menuAction(), shown && report);
    };
    QObject::connect(route, &TRouteWindow::shownChanged, &window, showMenus);
    // The main window shows its menus again when a report comes.
    QObject::connect(
        &window.Document(), &TReportDocument::changed, route,
        [showMenus](const DocumentChange& change) {
            if (change.Kind == DocumentChangeKind::Replaced)
                showMenus();
        },
        Qt::QueuedConnection);
}

void InstallStatsWindow(const ToolHost& host, QAction& entry)
{
    auto* stats = new TStatsWindow(host.Window.Document(), &host.Window);
    QObject::connect(&entry, &QAction::triggered, stats, [stats] { Present(*stats); });
}

void InstallTimeStatsWindow(const ToolHost& host, QAction& entry)
{
    auto* chart = new TTimeStatsWindow(host.Window.Document(), &host.Window);
    QObject::connect(&entry, &QAction::triggered, chart, &TTimeStatsWindow::ShowChart);
    QObject::connect(&host.Window.RegionWindow(), &TRegionWindow::seriesRequested, chart,
        &TTimeStatsWindow::AddSeries);
}

void InstallSearchWindow(const ToolHost& host, QAction& entry)
{
    auto* search
        = new TSearchWindow(host.Settings, host.Window.Document(), host.Messages, &host.Window);
    QObject::connect(&entry, &QAction::triggered, search, [search] { Present(*search); });
    QObject::connect(search, &TSearchWindow::unitOpened, &host.Window.RegionWindow(),
        &TRegionWindow::unitOpened);
}

void InstallTradingWindow(const ToolHost& host, QAction& entry)
{
    auto* trading = new TTradingWindow(host.Window.Document(), host.Messages, &host.Window);
    QObject::connect(&entry, &QAction::triggered, trading, [trading] { Present(*trading); });
}

void InstallAllianceWindow(const ToolHost& host, QAction& entry)
{
    auto* alliances
        = new TAllianceWindow(host.Alliances, host.Window.Document(), host.Messages, &host.Window);
    QObject::connect(&entry, &QAction::triggered, alliances, &QDialog::exec);
}

void InstallAllOrdersWindow(const ToolHost& host, QAction& entry)
{
    TMainWindow& window = host.Window;
    window.AddInfoWindow(
        new TAllOrdersWindow(window.Document(), &window), &entry, Qt::LeftDockWidgetArea);
}

void InstallCalculator(const ToolHost& host, QAction& entry)
{
    TMainWindow& window = host.Window;
    QDockWidget* dock = window.AddInfoWindow(
        new TCalculatorForm(window.Document(), &window), &entry, Qt::BottomDockWidgetArea);
    entry.setChecked(true);
    window.resizeDocks({ dock }, { dock->sizeHint().height() }, Qt::Vertical);
}

} // namespace maprune
