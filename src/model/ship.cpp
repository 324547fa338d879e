// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ship.h"

#include "core/text_encoding.h"
#include "model/property_builders.h"
#include "model/report.h"

namespace maprune {

const ClassInfo& TShip::StaticClass()
{
    using S = TShip;
    static const ClassInfo info = MakeClassInfo<TShip>(
        "TShip", &TNamedItem::StaticClass(),
        ExtendProperties(TNamedItem::StaticClass().Properties,
                         {IntProperty<S, &S::Captain>("Captain").WithDefault(-1),
                          IntProperty<S, &S::Coast>("Coast").WithDefault(-1),
                          ObjectProperty<S, THistoryInteger, &S::Damage>("Damage"),
                          ObjectProperty<S, THistoryInteger, &S::Load>("Load"),
                          ObjectProperty<S, THistoryInteger, &S::MaxLoad>("MaxLoad"),
                          ObjectProperty<S, THistoryInteger, &S::Percent>("Percent"),
                          StringProperty<S, &S::Type_>("Type_")}));
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
