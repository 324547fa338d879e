// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "orders/vorlage.h"
#include "tools/changes/turn_changes.h"
#include "tools/regions/region_view.h"

namespace maprune::cli {

// The region window's options from the user's settings, read without
// writing anything back, so that the verbs print what the window shows.
RegionViewOptions RegionViewOptionsOfUser();

// The thresholds of the changes window from the user's settings, read the
// same way.
ChangeThresholds ChangeThresholdsOfUser();

// The user's KelvaranLayout: whether directions are written as on the
// Kelvaran map (the route verbs).
bool KelvaranLayoutOfUser();

// VORLAGE_Path and VORLAGE_Parameters as the desktop program has them.
VorlageOptions VorlageOptionsOfUser();

} // namespace maprune::cli
