// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/entry_lists.h"

#include "model/property_builders.h"

namespace maprune {

const ClassInfo& TPrices::StaticClass()
{
    static const ClassInfo info = MakeClassInfo<TPrices>("TPrices", &TReportItem::StaticClass(),
                                                         TReportItem::StaticClass().Properties);
    return info;
}

const ClassInfo& TTalents::StaticClass()
{
    static const ClassInfo info = MakeClassInfo<TTalents>(
        "TTalents", &TReportItem::StaticClass(), TReportItem::StaticClass().Properties);
    return info;
}

const ClassInfo& TItems::StaticClass()
{
    static const ClassInfo info = MakeClassInfo<TItems>("TItems", &TReportItem::StaticClass(),
                                                        TReportItem::StaticClass().Properties);
    return info;
}

} // namespace maprune
