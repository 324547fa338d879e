// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ship.h"

#include "core/text_encoding.h"
#include "model/property_builders.h"
#include "model/report.h"

namespace maprune {

const ClassInfo& TShip::StaticClass()
{
    using S = TShip;
    static const ClassInfo info = MakeClassInfo<TShip>("TShip", &TNamedItem::StaticClass(),
        ExtendProperties(TNamedItem::StaticClass().Properties,
            { IntProperty<S, &S::Captain>("Captain")
                    .WithDefault(-1)
                    .CRKey({ "Kapitaen" })
                    .Merged(MergeRule::Newer),
                IntProperty<S, &S::Coast>("Coast")
                    .WithDefault(-1)
                    .CRKey({ "Kueste" })
                    .Merged(MergeRule::Newer),
                ObjectProperty<S, THistoryInteger, &S::Damage>("Damage")
                    .CRKey({ "Schaden" })
                    .Merged(MergeRule::History),
                ObjectProperty<S, THistoryInteger, &S::Load>("Load")
                    .CRKey({ "Ladung" })
                    .Merged(MergeRule::History),
                ObjectProperty<S, THistoryInteger, &S::MaxLoad>("MaxLoad")
                    .CRKey({ "MaxLadung" })
                    .Merged(MergeRule::History),
                ObjectProperty<S, THistoryInteger, &S::Percent>("Percent")
                    .CRKey({ "Prozent" })
                    .Merged(MergeRule::History),
                StringProperty<S, &S::Type_>("Type_").CRKey({ "Typ" }).Merged(MergeRule::Newer) }));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TShipList, TReportItemList)

std::string TShip::GetDescription(unsigned) const
{
    const TReport& report = *Owner();
    std::string text = DisplayText(Name) + " (" + report.FormatNr(Nr) + "), " + DisplayText(Type_);
    if (Party != report.ActiveParty)
        text += ", " + report.PartyDescription(Party);
    return text;
}

} // namespace maprune
