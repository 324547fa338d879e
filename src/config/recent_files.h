// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace maprune {

class SettingsStore;

// The key that holds the recently used files as string values "1", "2", ...
inline constexpr const char* kRecentFilesKey = "Software\\Oskel\\Maprune\\LastRecentlyUsed";

// The file names under kRecentFilesKey in the order the store enumerates
// them. Values that are not strings or are empty are skipped, since a file
// list can do nothing with them. Throws Error when the key cannot be opened.
std::vector<std::string> LoadRecentFiles(SettingsStore& store);

// Deletes kRecentFilesKey and writes `files` anew as the values "1" to "n".
// Throws Error when the key cannot be replaced or a value cannot be written.
void SaveRecentFiles(SettingsStore& store, const std::vector<std::string>& files);

} // namespace maprune
