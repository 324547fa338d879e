// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/changes/change_settings.h"

#include "config/settings.h"

namespace maprune {

ChangeThresholds ThresholdsOf(const TSettings& settings)
{
    return { { settings.ChangesPeasantsPercent.Get(), settings.ChangesPeasantsMinimum.Get() },
        { settings.ChangesSilverPercent.Get(), settings.ChangesSilverMinimum.Get() },
        { settings.ChangesHorsesPercent.Get(), settings.ChangesHorsesMinimum.Get() },
        { settings.ChangesTreesPercent.Get(), settings.ChangesTreesMinimum.Get() },
        { settings.ChangesWagesPercent.Get(), settings.ChangesWagesMinimum.Get() },
        { settings.ChangesPricesPercent.Get(), settings.ChangesPricesMinimum.Get() },
        { settings.ChangesUnitSilverPercent.Get(), settings.ChangesUnitSilverMinimum.Get() } };
}

} // namespace maprune
