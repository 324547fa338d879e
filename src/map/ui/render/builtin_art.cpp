// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/builtin_art.h"

#include "map/ui/render/picture_ids.h"

namespace maprune {

QImage BuiltinPicture(int id, MapLayout layout)
{
    using namespace picture;
    if (id >= kTerrainFirst && id < kTerrainFirst + kTerrainCount)
        return TerrainArt(id - kTerrainFirst, layout);
    if (id == kStatisticTemplate || (id >= kPoliticFirst && id <= kLast))
        return TemplateArt(id, layout);
    if (id >= kRouteMarkFirst && id <= kFogMask)
        return SymbolArt(id, layout);
    return {};
}

} // namespace maprune
