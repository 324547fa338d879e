// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/party.h"

#include "model/property_builders.h"

namespace maprune {

const ClassInfo& TAlly::StaticClass()
{
    static const ClassInfo info = MakeClassInfo<TAlly>(
        "TAlly", &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
                         {IntProperty<TAlly, &TAlly::Party>("Party"),
                          StringProperty<TAlly, &TAlly::Name>("Name"),
                          IntProperty<TAlly, &TAlly::State>("State")}));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TAllies, TReportItemList)

const ClassInfo& TParty::StaticClass()
{
    using P = TParty;
    static const ClassInfo info = MakeClassInfo<TParty>(
        "TParty", &TReportItem::StaticClass(),
        ExtendProperties(
            TReportItem::StaticClass().Properties,
            {ObjectProperty<P, TAllies, &P::Allies>("Allies"),
             StringProperty<P, &P::Banner>("Banner"), StringProperty<P, &P::EMail>("EMail"),
             ObjectProperty<P, TLines, &P::Events>("Events"),
             ObjectProperty<P, TLines, &P::Fights>("Fights"),
             ObjectProperty<P, TLines, &P::Income>("Income"),
             IntProperty<P, &P::MaxMigrants>("MaxMigrants"),
             ObjectProperty<P, TLines, &P::Messages>("Messages"),
             IntProperty<P, &P::Migrants>("Migrants"),
             ObjectProperty<P, TLines, &P::Movements>("Movements"),
             StringProperty<P, &P::Name>("Name"), IntProperty<P, &P::Nr>("Nr").WithDefault(-1),
             IntProperty<P, &P::Options>("Options"), StringProperty<P, &P::Password>("Password"),
             ObjectProperty<P, THistoryInteger, &P::Persons>("Persons"),
             ObjectProperty<P, THistoryInteger, &P::PointAverage>("PointAverage"),
             ObjectProperty<P, THistoryInteger, &P::Points>("Points"),
             ObjectProperty<P, TLines, &P::Production>("Production"),
             IntProperty<P, &P::RecruteCosts>("RecruteCosts").WithDefault(-1),
             ObjectProperty<P, TLines, &P::Tradings>("Tradings"),
             StringProperty<P, &P::Type_>("Type_")}));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TPartyList, TReportItemList)

} // namespace maprune
