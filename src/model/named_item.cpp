// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/named_item.h"

#include "core/error.h"
#include "model/property_builders.h"

namespace maprune {

const ClassInfo& TNamedItem::StaticClass()
{
    using N = TNamedItem;
    static const ClassInfo info = MakeClassInfo<TNamedItem>("TNamedItem",
        &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
            { StringProperty<N, &N::Name>("Name").CRKey({ "Name" }).Merged(MergeRule::Newer),
                StringProperty<N, &N::Descr>("Descr").CRKey({ "Beschr" }).Merged(MergeRule::Newer),
                IntProperty<N, &N::Nr>("Nr").WithDefault(-1).CRHead(),
                IntProperty<N, &N::Party>("Party")
                    .WithDefault(-1)
                    .CRKey({ "Partei" })
                    .Merged(MergeRule::Newer) }));
    return info;
}

std::string TNamedItem::GetDescription(unsigned) const
{
    throw Error(std::string(ClassName()) + ".GetDescription: abstract method called");
}

} // namespace maprune
