// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/user_settings_store.h"
#include "config/memory_settings_store.h"

namespace maprune::cli {

std::unique_ptr<SettingsStore> OpenUserSettingsStore()
{
    return std::make_unique<MemorySettingsStore>();
}

} // namespace maprune::cli
