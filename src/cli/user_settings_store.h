// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "config/settings_store.h"

namespace maprune::cli {

// The store of the user's settings: the desktop program's own (QSettings,
// the registry on Windows) where maprune-cli is built with Qt; without Qt an
// empty store, so that every setting keeps its default.
std::unique_ptr<SettingsStore> OpenUserSettingsStore();

} // namespace maprune::cli
