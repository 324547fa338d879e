// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace maprune {

// The program's data folder in an installed tree, found from the program's
// own folder (<prefix>/bin beside <prefix>/share/maprune), so that a package
// unpacked or installed under another prefix finds its files as well as one
// at the configured prefix.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& programPath);

// True when the program runs from an installed tree: no "maprune.dat" beside
// it, but one in its installed data folder. Such a program must not write
// into its own folders, even where it could (run as root).
bool RunsFromInstalledTree(const std::filesystem::path& programPath);

} // namespace maprune
