// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/report.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "core/error.h"
#include "core/text_encoding.h"
#include "model/fast_region_list.h"
#include "model/numbers.h"
#include "model/property_builders.h"

namespace maprune {

const ClassInfo& TReport::StaticClass()
{
    using R = TReport;
    static const ClassInfo info = MakeClassInfo<TReport>("TReport", &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
            { StringProperty<R, &R::Config>("Config").CRKey({ "Konfiguration" }),
                ObjectProperty<R, TPartyList, &R::Parties>("Parties").CRBlock("PARTEI"),
                IntProperty<R, &R::Version>("Version").WithDefault(34).CRHead(),
                StringProperty<R, &R::Game>("Game").CRKey({ "Spiel" }).Merged(MergeRule::Newer),
                StringProperty<R, &R::Coordinates>("Coordinates")
                    .CRKey({ "Koordinaten" })
                    .Merged(MergeRule::Newer),
                IntProperty<R, &R::Umlaute>("Umlaute")
                    .CRKey({ "Umlaute" })
                    .Merged(MergeRule::Newer),
                IntProperty<R, &R::Basis>("Basis").CRKey({ "Basis" }).Merged(MergeRule::Newer),
                ObjectProperty<R, TRegionList, &R::Regions>("Regions").CRBlock("REGION"),
                IntProperty<R, &R::ActiveParty>("ActiveParty").WithDefault(-1),
                IntProperty<R, &R::ActiveLayer>("ActiveLayer").WithDefault(-1),
                ObjectProperty<R, TSpells, &R::Spells>("Spells").CRBlock("SPRUCH"),
                ObjectProperty<R, TPotions, &R::Potions>("Potions").CRBlock("TRANK"),
                IntProperty<R, &R::PosX>("PosX"), IntProperty<R, &R::PosY>("PosY"),
                IntProperty<R, &R::Zoom>("Zoom").WithDefault(64),
                StringProperty<R, &R::Series>("Series"),
                StringProperty<R, &R::Charset>("Charset").CRKey({ "charset" }),
                StringProperty<R, &R::OrderAddress>("OrderAddress")
                    .CRKey({ "mailto" })
                    .Merged(MergeRule::Newer),
                StringProperty<R, &R::OrderSubject>("OrderSubject")
                    .CRKey({ "mailcmd" })
                    .Merged(MergeRule::Newer),
                IntProperty<R, &R::ReportOwner>("ReportOwner")
                    .WithDefault(-1)
                    .CRKey({ "reportowner" }),
                ObjectProperty<R, TPastObjectList, &R::PastObjects>("PastObjects"),
                ObjectProperty<R, TPastPricesList, &R::PastPrices>("PastPrices") }));
    return info;
}

TReport::TReport()
{
    Turn = 0;
}

TReport::~TReport()
{
    // The sub-objects release their references on this report while it is
    // still whole; the report's own reference goes last.
    SetIndexed(false);
    for (const PropertyInfo& p : Class().Properties) {
        if (p.Kind == PropertyKind::Object)
            p.SetObject(*this, nullptr);
    }
    if (FOwner == this)
        ReleaseRef(FOwner);
}

void TReport::ReleaseRef(TReport*& ref)
{
    if (ref != this)
        throw Error("TReport.ReleaseRef: tried to release another reference...");
    ref = nullptr;
    --FRefCount;
}

void TReport::RemoveDuplicateParties()
{
    // Of parties with equal numbers the one with a race wins, then the one of
    // the greater turn, then the later one: a total order, so keeping the
    // best of each number gives the same list as dropping pair by pair.
    auto better = [](const TParty& a, size_t ia, const TParty& b, size_t ib) {
        return std::make_tuple(!a.Type_.empty(), a.Turn, ia)
            > std::make_tuple(!b.Type_.empty(), b.Turn, ib);
    };
    // Read through the const slot: a report without parties makes no list.
    const TPartyList& parties = *std::as_const(Parties);
    std::unordered_map<int32_t, size_t> best;
    for (size_t i = 0; i < parties.Count(); ++i) {
        const TParty* party = parties[i];
        if (party == nullptr)
            continue;
        auto [it, inserted] = best.try_emplace(party->Nr, i);
        if (!inserted && better(*party, i, *parties[it->second], it->second))
            it->second = i;
    }
    if (best.size() == parties.Count())
        return;
    for (size_t i = Parties->Count(); i-- > 0;) {
        const TParty* party = (*Parties)[i];
        if (party != nullptr && best.at(party->Nr) != i)
            Parties->Extract(i);
    }
}

void TReport::Finish()
{
    TReportItem::Finish();
    RemoveDuplicateParties();

    ActiveParty = ChosenActiveParty();

    int32_t turn = 1;
    for (const TParty* party : *std::as_const(Parties)) {
        if (party != nullptr)
            turn = std::max(turn, party->Turn);
    }
    Turn = turn;

    for (const TRegion* region : *std::as_const(Regions)) {
        if (region == nullptr)
            continue;
        ActiveLayer = region->CZ;
        if (region->CZ == 0)
            break;
    }

    for (TRegion* region : *std::as_const(Regions)) {
        if (region == nullptr)
            continue;
        if (region->InfoDate == -1)
            region->InfoDate = Turn;
        if (region->FullInfoDate == -1)
            region->FullInfoDate = Turn;
    }
    SetIndexed(false);
}

int32_t TReport::ChosenActiveParty() const
{
    if (ActiveParty != -1)
        return ActiveParty;
    const TParty* chosen = nullptr;
    for (const TParty* party : *Parties) {
        if (party != nullptr && !party->Type_.empty()
            && (chosen == nullptr || party->Turn > chosen->Turn))
            chosen = party;
    }
    return chosen != nullptr ? chosen->Nr : ReportOwner;
}

void TReport::SetIndexed(bool on)
{
    if (on && !Indexed()) {
        FFastRegions = std::make_unique<TFastRegionList>(*Regions);
    } else if (!on) {
        FFastRegions.reset();
        ++FIndexChanges;
    }
}

TRegion* TReport::FindRegion(int32_t x, int32_t y, int32_t z)
{
    SetIndexed(true);
    return FFastRegions->FindRegion(x, y, z);
}

std::vector<int32_t> TReport::Layers() const
{
    std::vector<int32_t> layers;
    for (const TRegion* region : *Regions) {
        if (region != nullptr
            && std::find(layers.begin(), layers.end(), region->CZ) == layers.end())
            layers.push_back(region->CZ);
    }
    return layers;
}

TParty* TReport::FindParty(int32_t nr) const
{
    for (TParty* party : *Parties) {
        if (party != nullptr && party->Nr == nr)
            return party;
    }
    return nullptr;
}

std::string TReport::PartyDescription(int32_t nr) const
{
    if (nr == 0)
        return "Monster (0)";
    if (nr == -1)
        return "parteigetarnte (-1)";
    if (const TParty* party = FindParty(nr))
        return DisplayText(party->Name) + " (" + FormatNr(nr) + ")";
    return "unbekannte Partei (" + FormatNr(nr) + ")";
}

std::string TReport::FormatNr(int32_t n) const
{
    return maprune::FormatNr(n, Basis);
}

int32_t TReport::ParseNr(std::string_view text) const
{
    return maprune::ParseNr(text, Basis);
}

} // namespace maprune
