// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace maprune {

class SettingsStore;

// The key that keeps the main window's layout between runs.
inline constexpr const char* kWindowLayoutKey = "Software\\Oskel\\Maprune\\Layout";

// What the main window keeps of one run for the next: the window's place and
// size and the state of its docked windows and tool bars (the bytes Qt's
// saveGeometry and saveState give), and the folders the file dialogs were
// last in. Empty members were not stored.
struct WindowLayout {
    std::string Geometry;
    std::string State;
    std::string OpenFolder; // UTF-8
    std::string SaveFolder; // UTF-8
};

// The layout under kWindowLayoutKey; values missing or of another type are
// left empty, and a store that cannot be read gives an empty layout.
WindowLayout LoadWindowLayout(SettingsStore& store);

// Writes `layout` under kWindowLayoutKey (empty members are not written).
// Throws Error when the key cannot be opened or a value cannot be written.
void SaveWindowLayout(SettingsStore& store, const WindowLayout& layout);

// Removes the stored state of the docked windows and tool bars (one that
// could not be applied), so that the next start does not try it again.
void ForgetWindowState(SettingsStore& store);

} // namespace maprune
