// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ship.h"

#include <algorithm>

#include "core/error.h"

#include "core/text_encoding.h"
#include "model/game_data.h"
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
                StringProperty<S, &S::Type_>("Type_").CRKey({ "Typ" }).Merged(MergeRule::Newer),
                ObjectProperty<S, THistoryInteger, &S::Size>("Size")
                    .CRKey({ "Groesse" })
                    .Merged(MergeRule::History),
                ObjectProperty<S, THistoryInteger, &S::Cargo>("Cargo")
                    .CRKey({ "cargo" })
                    .Merged(MergeRule::History),
                ObjectProperty<S, THistoryInteger, &S::Capacity>("Capacity")
                    .CRKey({ "capacity" })
                    .Merged(MergeRule::History),
                IntProperty<S, &S::Count>("Count")
                    .WithDefault(1)
                    .CRKey({ "Anzahl" })
                    .Merged(MergeRule::Newer) }));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TShipList, TReportItemList)

int32_t TShip::PercentOfSize(int32_t size) const
{
    int32_t complete = 0;
    try {
        complete = GameDataInstance().GetItem(Type_, kinds::Ship).ShipSize();
    } catch (const Error&) {
        return -1;
    }
    if (complete <= 0)
        return -1;
    // A fleet counts the size points of all its ships; it is complete too.
    return static_cast<int32_t>(std::min<int64_t>(100, int64_t { size } * 100 / complete));
}

std::string TShip::GetDescription(unsigned) const
{
    const TReport& report = *Owner();
    std::string text = DisplayText(Name) + " (" + report.FormatNr(Nr) + "), " + DisplayText(Type_);
    if (Party != report.ActiveParty)
        text += ", " + report.PartyDescription(Party);
    return text;
}

} // namespace maprune
