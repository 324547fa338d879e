// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/changes/turn_changes.h"

namespace maprune {

class TSettings;

// The thresholds the user set ("ChangesPeasantsPercent" ...
// "ChangesUnitSilverMinimum", "ChangesPricesPercent" ...).
ChangeThresholds ThresholdsOf(const TSettings& settings);

} // namespace maprune
