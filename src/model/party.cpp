// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/party.h"

#include "model/property_builders.h"

namespace maprune {

const ClassInfo& TAlly::StaticClass()
{
    static const ClassInfo info = MakeClassInfo<TAlly>("TAlly", &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
            { IntProperty<TAlly, &TAlly::Party>("Party").CRHead(),
                StringProperty<TAlly, &TAlly::Name>("Name").CRKey({ "Parteiname" }),
                IntProperty<TAlly, &TAlly::State>("State").CRKey({ "Status" }) }));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TAllies, TReportItemList)

const ClassInfo& TParty::StaticClass()
{
    using P = TParty;
    static const ClassInfo info = MakeClassInfo<TParty>("TParty", &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
            { ObjectProperty<P, TAllies, &P::Allies>("Allies").CRBlock("ALLIANZ").Merged(
                  MergeRule::Newer),
                StringProperty<P, &P::Banner>("Banner").CRKey({ "banner" }),
                StringProperty<P, &P::EMail>("EMail").CRKey({ "email" }),
                ObjectProperty<P, TLines, &P::Events>("Events")
                    .CRBlock("EREIGNISSE")
                    .Merged(MergeRule::Newer),
                ObjectProperty<P, TLines, &P::Fights>("Fights").CRBlock("KAEMPFE").Merged(
                    MergeRule::Newer),
                ObjectProperty<P, TLines, &P::Income>("Income")
                    .CRBlock("EINKOMMEN")
                    .Merged(MergeRule::Newer),
                IntProperty<P, &P::MaxMigrants>("MaxMigrants")
                    .CRKey({ "Max. Immigranten" })
                    .Merged(MergeRule::Newer),
                ObjectProperty<P, TLines, &P::Messages>("Messages")
                    .CRBlock("MELDUNGEN")
                    .Merged(MergeRule::Newer),
                IntProperty<P, &P::Migrants>("Migrants")
                    .CRKey({ "Anzahl Immigranten" })
                    .Merged(MergeRule::Newer),
                ObjectProperty<P, TLines, &P::Movements>("Movements")
                    .CRBlock("BEWEGUNGEN")
                    .Merged(MergeRule::Newer),
                StringProperty<P, &P::Name>("Name")
                    .CRKey({ "Parteiname" })
                    .Merged(MergeRule::Newer),
                IntProperty<P, &P::Nr>("Nr").WithDefault(-1).CRHead().Merged(MergeRule::Newer),
                IntProperty<P, &P::Options>("Options")
                    .CRKey({ "Optionen" })
                    .Merged(MergeRule::Newer),
                StringProperty<P, &P::Password>("Password")
                    .CRKey({ "Passwort" })
                    .Merged(MergeRule::Newer),
                ObjectProperty<P, THistoryInteger, &P::Persons>("Persons")
                    .CRKey({ "Anzahl Personen" })
                    .Merged(MergeRule::History),
                ObjectProperty<P, THistoryInteger, &P::PointAverage>("PointAverage")
                    .CRKey({ "Punktedurchschnitt" })
                    .Merged(MergeRule::History),
                ObjectProperty<P, THistoryInteger, &P::Points>("Points")
                    .CRKey({ "Punkte" })
                    .Merged(MergeRule::History),
                ObjectProperty<P, TLines, &P::Production>("Production")
                    .CRBlock("PRODUKTION")
                    .Merged(MergeRule::Newer),
                IntProperty<P, &P::RecruteCosts>("RecruteCosts")
                    .WithDefault(-1)
                    .CRKey({ "Rekrutierungskosten" })
                    .Merged(MergeRule::Newer),
                ObjectProperty<P, TLines, &P::Tradings>("Tradings")
                    .CRBlock("HANDEL")
                    .Merged(MergeRule::Newer),
                StringProperty<P, &P::Type_>("Type_")
                    .CRKey({ "Typ", "Typus", "race" })
                    .Merged(MergeRule::Newer) }));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TPartyList, TReportItemList)

} // namespace maprune
