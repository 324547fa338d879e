// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace maprune {

class Dialogs;
class TMainWindow;
class TMapView;
class TSettings;

// Makes the route window for `map` and connects it to the main window:
// "&Route optimieren..." shows and closes it and follows its closing, and
// while it is shown the menus "&Programm", "Ansicht", "A&uswahl" and
// "E&xtras" are hidden.
void InstallRouteWindow(TMainWindow& window, TMapView& map, TSettings& settings, Dialogs& dialogs);

// Makes the trade-route window, opened by "&Handelsrouten...".
void InstallTradingWindow(TMainWindow& window, Dialogs& dialogs);

} // namespace maprune
