// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMainWindow;

namespace maprune {

class SettingsStore;
class TFileCommands;
class TLogWindow;

// The main window's layout from one run to the next (WindowLayout in the
// settings store): its place and size, its docked windows (where they are,
// their sizes, which are shown) and tool bars, found by their objectName,
// and the folders the file dialogs were last in.

// Restores what the last run stored (without a stored place the window is to
// open maximised); call once every dock and tool bar exists, before the
// window is shown. The check items of the docked windows follow what is shown.
// A stored state that cannot be applied is left unapplied, removed from the
// store and noted in `log`.
void RestoreMainWindowLayout(
    SettingsStore& store, QMainWindow& window, TFileCommands& files, TLogWindow& log);

// Stores the layout of `window` as it is now; a store that cannot be written
// loses it, which must not keep the program open.
void StoreMainWindowLayout(SettingsStore& store, const QMainWindow& window, const TFileCommands& files);

} // namespace maprune
