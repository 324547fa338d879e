// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/property.h"

#include <algorithm>

namespace maprune {

PropertyList ExtendProperties(const PropertyList& inherited, const PropertyList& own)
{
    PropertyList result = inherited;
    for (const PropertyInfo& p : own) {
        auto same = std::find_if(result.begin(), result.end(),
                                 [&p](const PropertyInfo& q) { return q.Name == p.Name; });
        if (same != result.end())
            *same = p;
        else
            result.push_back(p);
    }
    return result;
}

} // namespace maprune
