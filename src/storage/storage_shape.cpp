// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/storage_shape.h"

#include "model/report.h"

namespace maprune {

StorageShape ShapeOf(const ClassInfo& cls)
{
    switch (cls.Shape) {
    case ItemShape::History:
        return StorageShape::History;
    case ItemShape::Lines:
        return StorageShape::Lines;
    case ItemShape::List:
        return StorageShape::List;
    case ItemShape::Items:
        return StorageShape::Items;
    case ItemShape::Talents:
        return StorageShape::Talents;
    case ItemShape::Prices:
        return StorageShape::Prices;
    case ItemShape::Plain:
        break;
    }
    if (cls.IsA(TRegion::StaticClass()))
        return StorageShape::Region;
    if (cls.IsA(TReport::StaticClass()))
        return StorageShape::Report;
    return StorageShape::Plain;
}

} // namespace maprune
