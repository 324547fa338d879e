// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/user_settings.h"

#include "config/settings.h"
#include "config/ui/qsettings_store.h"
#include "tools/changes/change_settings.h"
#include "tools/units/unit_order.h"

namespace maprune::cli {

namespace {

// Runs `read` on the user's settings. A setting that cannot be read keeps
// its default, as in the program; nothing is written back.
template <class Read> auto WithUserSettings(Read read)
{
    QSettingsStore store;
    TSettings settings(store, [](const TRegistrySetting&, const std::string&) {});
    settings.Registry().SetWriteBackOnDestruction(false);
    return read(settings);
}

} // namespace

RegionViewOptions RegionViewOptionsOfUser()
{
    return WithUserSettings([](const TSettings& settings) {
        RegionViewOptions options;
        options.DisplayOptions = static_cast<unsigned>(settings.UnitListDetails.Get());
        options.UnitOrder = UnitOrderFromSettings(settings.UnitListSortOptions.Get());
        return options;
    });
}

ChangeThresholds ChangeThresholdsOfUser()
{
    return WithUserSettings([](const TSettings& settings) { return ThresholdsOf(settings); });
}

} // namespace maprune::cli
