// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/user_settings.h"

#include "config/settings.h"
#include "config/ui/qsettings_store.h"
#include "tools/units/unit_order.h"

namespace maprune::cli {

RegionViewOptions RegionViewOptionsOfUser()
{
    QSettingsStore store;
    // A setting that cannot be read keeps its default, as in the program.
    TSettings settings(store, [](const TRegistrySetting&, const std::string&) {});
    settings.Registry().SetWriteBackOnDestruction(false);
    RegionViewOptions options;
    options.DisplayOptions = static_cast<unsigned>(settings.UnitListDetails.Get());
    options.UnitOrder = UnitOrderFromSettings(settings.UnitListSortOptions.Get());
    return options;
}

} // namespace maprune::cli
