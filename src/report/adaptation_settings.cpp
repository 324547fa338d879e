// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/adaptation_settings.h"

#include "config/settings.h"

namespace maprune {

AdaptationOptions AdaptationOptionsFrom(const TSettings& settings)
{
    return AdaptationOptions::FromSettings(settings.NoCenterAdaptation.Get(), settings.ACA_NameMisMatch.Get(),
                                           settings.ACA_TerrainMisMatch.Get(), settings.ACA_R_MPA.Get(),
                                           settings.ACA_R_NPA.Get());
}

} // namespace maprune
