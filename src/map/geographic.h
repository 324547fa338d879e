// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace maprune {

class TRegion;

// Whether the region is shown as outdated in geographic mode: the setting
// FOW_Mode is 0 and the report's turn lies after the region's last complete
// description. Stores the answer in bit 9 (TagOutdated) of the region's Tag
// and returns it; the renderer calls it each time it fetches the picture.
bool UpdateOutdated(TRegion& region, int32_t reportTurn, int32_t fowMode);

} // namespace maprune
