// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/building.h"

#include "core/text_encoding.h"
#include "model/property_builders.h"
#include "model/report.h"

namespace maprune {

const ClassInfo& TBuilding::StaticClass()
{
    using B = TBuilding;
    static const ClassInfo info = MakeClassInfo<TBuilding>("TBuilding", &TNamedItem::StaticClass(),
        ExtendProperties(TNamedItem::StaticClass().Properties,
            { IntProperty<B, &B::Captain>("Captain")
                    .WithDefault(-1)
                    .CRKey({ "Besitzer" })
                    .Merged(MergeRule::Newer),
                ObjectProperty<B, THistoryInteger, &B::Size>("Size")
                    .CRKey({ "Groesse" })
                    .Merged(MergeRule::History),
                ObjectProperty<B, THistoryInteger, &B::Support>("Support")
                    .CRKey({ "Unterhalt" })
                    .Merged(MergeRule::History),
                StringProperty<B, &B::Type_>("Type_").CRKey({ "Typ" }).Merged(MergeRule::Newer) }));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TBuildingList, TReportItemList)

std::string TBuilding::GetDescription(unsigned) const
{
    const TReport& report = *Owner();
    std::string text = DisplayText(Name) + " (" + report.FormatNr(Nr) + "), Größe "
        + std::to_string(Size->CurrentValue()) + ", " + DisplayText(Type_);
    if (Party != report.ActiveParty)
        text += ", " + report.PartyDescription(Party);
    return text;
}

} // namespace maprune
