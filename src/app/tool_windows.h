// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;

namespace maprune {

struct ToolHost;

// The installers of the tools' windows (tool_table.h): each makes its
// window and connects it to its entry and to the main window.

// "&Route optimieren..." shows and closes the route window and follows its
// closing; while it is shown the menus "&Programm", "Ansicht", "A&uswahl"
// and "E&xtras" are hidden. Without a map there is nothing to plan on.
void InstallRouteWindow(const ToolHost& host, QAction& entry);
void InstallStatsWindow(const ToolHost& host, QAction& entry);
// The chart also takes the series that the region window asks for.
void InstallTimeStatsWindow(const ToolHost& host, QAction& entry);
// A unit opened from the search opens as from the region window.
void InstallSearchWindow(const ToolHost& host, QAction& entry);
void InstallTradingWindow(const ToolHost& host, QAction& entry);
void InstallAllianceWindow(const ToolHost& host, QAction& entry);
// The whole party's orders as one text, docked on the left.
void InstallAllOrdersWindow(const ToolHost& host, QAction& entry);
// The calculator docks at the bottom, shown from the start.
void InstallCalculator(const ToolHost& host, QAction& entry);

} // namespace maprune
