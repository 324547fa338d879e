// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tool_windows.h"

#include <QAction>
#include <QMenu>

#include "app/main_window.h"
#include "document/report_document.h"
#include "tools/ui/route_window.h"
#include "tools/ui/trading_window.h"

namespace maprune {

void InstallRouteWindow(TMainWindow& window, TMapView& map, TSettings& settings, Dialogs& dialogs)
{
    auto* route = new TRouteWindow({ settings, window.Document(), map, dialogs }, &window);
    const MainMenu& menu = window.Menu();
    QAction* entry = menu.Route;
    QObject::connect(entry, &QAction::toggled, route, [route](bool shown) {
        if (shown) {
            route->show();
            route->raise();
        } else {
            route->close();
        }
    });
    QObject::connect(route, &TRouteWindow::closed, entry, [entry] { entry->setChecked(false); });
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

void InstallTradingWindow(TMainWindow& window, Dialogs& dialogs)
{
    auto* trading = new TTradingWindow(window.Document(), dialogs, &window);
    QObject::connect(window.Menu().Trading, &QAction::triggered, trading, [trading] {
        trading->show();
        trading->raise();
        trading->activateWindow();
    });
}

} // namespace maprune
