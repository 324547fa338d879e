// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/geographic.h"

#include "model/region.h"

namespace maprune {

bool UpdateOutdated(TRegion& region, int32_t reportTurn, int32_t fowMode)
{
    const bool outdated = fowMode == 0 && reportTurn > region.FullInfoDate;
    region.SetTag(outdated ? region.Tag() | TagOutdated : region.Tag() & ~TagOutdated);
    return outdated;
}

} // namespace maprune
