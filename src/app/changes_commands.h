// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;

namespace maprune {

struct ToolHost;

// Makes the changes window and connects it to the main window: docked at
// the bottom beside the messages and shown by "&Veränderungen" of
// "&Info-Fenster"; a click centres the map, a double-click on a unit opens
// it as the region window does. "&Veränderungen" of "&Karte" colours the map
// by the changes of the turns the window compares, and follows the window
// when it compares others. Other thresholds from the configuration compare
// the same turns anew.
void InstallChangesWindow(const ToolHost& host, QAction& entry);

} // namespace maprune
