// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/user_settings.h"

#include <memory>

#include "cli/user_settings_store.h"
#include "config/settings.h"
#include "orders/order_export.h"
#include "tools/changes/change_settings.h"
#include "tools/units/unit_order.h"

namespace maprune::cli {

namespace {

// The user's settings, read without writing anything back; a setting that
// cannot be read keeps its default, as in the program.
struct UserSettings {
    UserSettings()
        : Store(OpenUserSettingsStore())
        , Settings(*Store, [](const TRegistrySetting&, const std::string&) {})
    {
        Settings.Registry().SetWriteBackOnDestruction(false);
    }
    std::unique_ptr<SettingsStore> Store;
    TSettings Settings;
};

} // namespace

RegionViewOptions RegionViewOptionsOfUser()
{
    const UserSettings user;
    const TSettings& settings = user.Settings;
    RegionViewOptions options;
    options.DisplayOptions = static_cast<unsigned>(settings.UnitListDetails.Get());
    options.UnitOrder = UnitOrderFromSettings(settings.UnitListSortOptions.Get());
    return options;
}

ChangeThresholds ChangeThresholdsOfUser()
{
    return ThresholdsOf(UserSettings().Settings);
}

bool KelvaranLayoutOfUser()
{
    return UserSettings().Settings.KelvaranLayout.Get();
}

VorlageOptions VorlageOptionsOfUser()
{
    return OrderExportOptionsFrom(UserSettings().Settings).Vorlage;
}

} // namespace maprune::cli
