// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/user_settings_store.h"
#include "config/ui/qsettings_store.h"

namespace maprune::cli {

std::unique_ptr<SettingsStore> OpenUserSettingsStore()
{
    return std::make_unique<QSettingsStore>();
}

} // namespace maprune::cli
