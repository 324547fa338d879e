// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/adaptation_options.h"

namespace maprune {

class TSettings;

// The adaptation options as the settings hold them now (NoCenterAdaptation,
// ACA_NameMisMatch, ACA_TerrainMisMatch, ACA_R_MPA, ACA_R_NPA), for the
// caller that adds reports to pass on.
AdaptationOptions AdaptationOptionsFrom(const TSettings& settings);

} // namespace maprune
