// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/unit.h"

#include "core/error.h"
#include "core/text_encoding.h"
#include "model/game_data.h"
#include "model/property_builders.h"
#include "model/report.h"

namespace maprune {

const ClassInfo& TUnit::StaticClass()
{
    using U = TUnit;
    static const ClassInfo info = MakeClassInfo<TUnit>("TUnit", &TNamedItem::StaticClass(),
        ExtendProperties(TNamedItem::StaticClass().Properties,
            { IntProperty<U, &U::Besiege>("Besiege").CRKey({ "belagert" }).Merged(MergeRule::Newer),
                IntProperty<U, &U::Building>("Building")
                    .WithDefault(-1)
                    .CRKey({ "Burg" })
                    .Merged(MergeRule::Newer),
                IntProperty<U, &U::Cloak>("Cloak")
                    .WithDefault(-1)
                    .CRKey({ "Tarnung" })
                    .Merged(MergeRule::Newer),
                IntProperty<U, &U::CloakParty>("CloakParty")
                    .CRKey({ "Parteitarnung" })
                    .Merged(MergeRule::Newer),
                ObjectProperty<U, TLines, &U::Commands>("Commands")
                    .CRBlock("COMMANDS")
                    .Merged(MergeRule::Newer),
                ObjectProperty<U, THistoryInteger, &U::Count>("Count")
                    .CRKey({ "Anzahl" })
                    .Merged(MergeRule::History),
                StringProperty<U, &U::Default_>("Default_")
                    .CRKey({ "Default" })
                    .Merged(MergeRule::Newer),
                IntProperty<U, &U::FightState>("FightState")
                    .CRKey({ "Kampfstatus" })
                    .Merged(MergeRule::Newer),
                StringProperty<U, &U::HitPoints>("HitPoints")
                    .CRKey({ "hp" })
                    .Merged(MergeRule::Newer),
                ObjectProperty<U, TItems, &U::Items>("Items")
                    .CRBlock("GEGENSTAENDE")
                    .Merged(MergeRule::Newer),
                ObjectProperty<U, TLines, &U::Messages>("Messages")
                    .CRBlock("EINHEITSBOTSCHAFTEN")
                    .Merged(MergeRule::Newer),
                IntProperty<U, &U::Observes>("Observes")
                    .CRKey({ "bewacht" })
                    .Merged(MergeRule::Newer),
                StringProperty<U, &U::Private_>("Private_")
                    .CRKey({ "privat" })
                    .Merged(MergeRule::Newer),
                IntProperty<U, &U::Ship>("Ship")
                    .WithDefault(-1)
                    .CRKey({ "Schiff" })
                    .Merged(MergeRule::Newer),
                ObjectProperty<U, THistoryInteger, &U::Silver>("Silver")
                    .CRKey({ "Silber" })
                    .Merged(MergeRule::History),
                ObjectProperty<U, TLines, &U::Spells>("Spells")
                    .CRBlock("SPRUECHE")
                    .Merged(MergeRule::Newer),
                ObjectProperty<U, TTalents, &U::Talents>("Talents").CRBlock("TALENTE").Merged(
                    MergeRule::Newer),
                StringProperty<U, &U::TrueType>("TrueType")
                    .CRKey({ "wahrerTyp" })
                    .Merged(MergeRule::Newer),
                StringProperty<U, &U::Type_>("Type_").CRKey({ "Typ" }).Merged(MergeRule::Newer),
                IntProperty<U, &U::Weapons>("Weapons").Merged(MergeRule::Newer),
                IntProperty<U, &U::Weight>("Weight")
                    .WithDefault(-1)
                    .CRKey({ "weight" })
                    .Merged(MergeRule::Newer) }));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TUnitList, TReportItemList)

bool TUnit::IsOwn() const
{
    if (Owner() == nullptr)
        throw Error("report is corrupt");
    // Without an active party a disguised unit (-1) would count as own.
    return Owner()->ActiveParty != -1 && Party == Owner()->ActiveParty;
}

namespace {

std::string CountedName(std::string_view name, uint16_t kindMask, int32_t count)
{
    return DisplayText(GameDataInstance().NameForm(name, kindMask, count == 1 ? 0 : 1));
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::string TUnit::GetDescription(unsigned displayOptions) const
{
    static const char* const kFightStates[]
        = { ", vorne", ", hinten", ", kaempft nicht", ", flieht" };
    const TReport& report = *Owner();
    const bool own = IsOwn();
    const int32_t persons = Count->CurrentValue();

    std::string text = DisplayText(Name) + " (" + report.FormatNr(Nr) + ")";
    if (!own)
        text += ", " + report.PartyDescription(Party);
    if (Party == -1 || CloakParty == 1)
        text += ", parteigetarnt";
    text
        += ", " + std::to_string(persons) + " " + CountedName(Type_, kinds::ItemsAndRaces, persons);
    if (own && (displayOptions & ShowFightState) && FightState >= 0 && FightState <= 3)
        text += kFightStates[FightState];
    if (Observes != 0)
        text += ", bewacht die Region";
    if ((displayOptions & ShowTalents) && !Talents->Entries.empty()) {
        bool first = true;
        for (const TTalent& t : Talents->Entries) {
            text += first ? ", Talente: " : ", ";
            first = false;
            // Without a known person count there is nothing to share the days by.
            const int32_t days = persons > 0 ? t.Days / persons : 0;
            text += DisplayText(t.Talent) + " " + std::to_string(t.Level) + " ["
                + std::to_string(days) + "]";
        }
    }
    if ((displayOptions & ShowItems) && !Items->Entries.empty()) {
        bool first = true;
        for (const TItem& item : Items->Entries) {
            text += first ? ", hat: " : ", ";
            first = false;
            text += std::to_string(item.Count) + " "
                + CountedName(item.Item, kinds::Items, item.Count);
        }
    }
    if (!Default_.empty())
        text += ", \"" + DisplayText(Trimmed(Default_)) + "\"";
    if ((displayOptions & ShowComments) && !Descr.empty())
        text += "; " + DisplayText(Descr);
    return text;
}

} // namespace maprune
