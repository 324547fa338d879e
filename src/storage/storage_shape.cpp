// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/storage_shape.h"

#include <array>
#include <utility>

#include "model/report.h"

namespace maprune {

StorageShape ShapeOf(const ClassInfo& cls)
{
    static const std::array<std::pair<const ClassInfo*, StorageShape>, 8> shaped = {{
        {&THistoryInteger::StaticClass(), StorageShape::History},
        {&TLines::StaticClass(), StorageShape::Lines},
        {&TReportItemList::StaticClass(), StorageShape::List},
        {&TItems::StaticClass(), StorageShape::Items},
        {&TTalents::StaticClass(), StorageShape::Talents},
        {&TPrices::StaticClass(), StorageShape::Prices},
        {&TRegion::StaticClass(), StorageShape::Region},
        {&TReport::StaticClass(), StorageShape::Report},
    }};
    for (const ClassInfo* c = &cls; c != nullptr; c = c->Parent) {
        for (const auto& [info, shape] : shaped) {
            if (c == info)
                return shape;
        }
    }
    return StorageShape::Plain;
}

} // namespace maprune
