// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tool_table.h"

#include <QAction>

#include "app/changes_commands.h"
#include "app/main_window.h"
#include "app/tool_windows.h"

namespace maprune {

const std::vector<ToolDeclaration>& ToolDeclarations()
{
    using enum ToolPlace;
    static const std::vector<ToolDeclaration> tools {
        { "route", ExtrasFirst, "&Route optimieren...", QKeySequence(Qt::Key_F9), true, "route",
            InstallRouteWindow },
        { "statistics", ExtrasAnalysis, "&Statistik...", QKeySequence(Qt::Key_F11), false, "stats",
            InstallStatsWindow },
        { "time-stats", ExtrasAnalysis, "&zeitlicher Verlauf...",
            QKeySequence(Qt::CTRL | Qt::Key_F11), false, "chart", InstallTimeStatsWindow },
        { "search", ExtrasAnalysis, "&Suchen...", QKeySequence(Qt::Key_F12), false, "search",
            InstallSearchWindow },
        { "trading", ExtrasAnalysis, "&Handelsrouten...", QKeySequence(Qt::ALT | Qt::Key_F10),
            false, "trade", InstallTradingWindow },
        { "alliances", ExtrasAnalysis, "&Bündnisse bearbeiten...",
            QKeySequence(Qt::ALT | Qt::Key_F11), false, {}, InstallAllianceWindow },
        { "calculator", ExtrasLast, "&Taschenrechner", QKeySequence(), true, "calc",
            InstallCalculator },
        { "all-orders", InfoWindows, "Alle Be&fehle", QKeySequence(), true, "lint",
            InstallAllOrdersWindow },
        { "changes", InfoWindows, "&Veränderungen", QKeySequence(Qt::ALT | Qt::Key_V), true,
            "changes", InstallChangesWindow },
        { "changes-map", MapModes, "&Veränderungen", QKeySequence(), true, "changes", nullptr },
    };
    return tools;
}

void InstallTools(const ToolHost& host)
{
    for (const ToolDeclaration& tool : ToolDeclarations()) {
        if (tool.Install != nullptr)
            tool.Install(host, *host.Window.Menu().Tool(tool.Id));
    }
}

} // namespace maprune
