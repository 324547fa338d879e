// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/past_states.h"

#include "model/property_builders.h"

namespace maprune {

const ClassInfo& TPastObject::StaticClass()
{
    using P = TPastObject;
    static const ClassInfo info
        = MakeClassInfo<TPastObject>("TPastObject", &TReportItem::StaticClass(),
            ExtendProperties(TReportItem::StaticClass().Properties,
                { IntProperty<P, &P::Kind>("Kind"), IntProperty<P, &P::Nr>("Nr").WithDefault(-1),
                    StringProperty<P, &P::Name>("Name"), StringProperty<P, &P::Type_>("Type_"),
                    IntProperty<P, &P::Party>("Party").WithDefault(-1), IntProperty<P, &P::X>("X"),
                    IntProperty<P, &P::Y>("Y"), IntProperty<P, &P::Z>("Z"),
                    IntProperty<P, &P::Persons>("Persons").WithDefault(-1),
                    IntProperty<P, &P::Gone>("Gone"), IntProperty<P, &P::ItemsKnown>("ItemsKnown"),
                    ObjectProperty<P, TItems, &P::Items>("Items") }));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TPastObjectList, TReportItemList)

const ClassInfo& TPastPrices::StaticClass()
{
    using P = TPastPrices;
    static const ClassInfo info = MakeClassInfo<TPastPrices>("TPastPrices",
        &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
            { IntProperty<P, &P::X>("X"), IntProperty<P, &P::Y>("Y"), IntProperty<P, &P::Z>("Z"),
                ObjectProperty<P, TPrices, &P::Prices>("Prices") }));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TPastPricesList, TReportItemList)

} // namespace maprune
