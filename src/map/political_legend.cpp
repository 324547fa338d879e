// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/political_legend.h"

#include <algorithm>
#include <unordered_set>

#include "model/report.h"

namespace maprune {

void PoliticalLegend::DropLegend()
{
    FStage = std::min(FStage, 1);
}

void PoliticalLegend::Update(const TReport& report, const AllianceList& alliances, bool byAlliance)
{
    if (FStage < 1)
        BuildPartyList(report);
    if (byAlliance != FByAlliance)
        DropLegend();
    if (FStage < 2)
        BuildLegend(report, alliances, byAlliance);
}

void PoliticalLegend::BuildPartyList(const TReport& report)
{
    FParties.clear();
    FEntries.clear();
    FEntryOfParty.clear();
    std::unordered_set<int32_t> listed;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        for (const TPoliticInfo* info : *region->Politic) {
            if (info != nullptr && listed.insert(info->Party).second)
                FParties.push_back(info->Party);
        }
    }
    FStage = 1;
}

void PoliticalLegend::BuildLegend(
    const TReport& report, const AllianceList& alliances, bool byAlliance)
{
    FCursor.Reset();
    FEntries.clear();
    FEntryOfParty.clear();
    std::vector<int32_t> left = FParties;
    if (byAlliance) {
        for (const Alliance& alliance : alliances) {
            std::string numbers;
            std::vector<int32_t> collected;
            for (const AllianceMember& member : alliance.Members) {
                auto at = std::find(left.begin(), left.end(), member.Party);
                if (at == left.end())
                    continue;
                left.erase(at);
                collected.push_back(member.Party);
                numbers += (numbers.empty() ? "" : " ") + std::to_string(member.Party);
            }
            if (collected.empty())
                continue;
            for (int32_t party : collected)
                FEntryOfParty.emplace(party, FEntries.size());
            FEntries.push_back({ alliance.Name + " (" + numbers + ")", FCursor.Next() });
        }
    }
    for (auto party = left.rbegin(); party != left.rend(); ++party) {
        FEntryOfParty.emplace(*party, FEntries.size());
        FEntries.push_back({ report.PartyDescription(*party), FCursor.Next() });
    }
    FByAlliance = byAlliance;
    FStage = 2;
}

const LegendEntry* PoliticalLegend::EntryOf(int32_t party) const
{
    const auto at = FEntryOfParty.find(party);
    return at == FEntryOfParty.end() ? nullptr : &FEntries[at->second];
}

LegendEntry PoliticalLegend::PartyColour(int32_t party) const
{
    if (const LegendEntry* entry = EntryOf(party))
        return *entry;
    return { "??? (this must be a bug): " + std::to_string(party), 0x000000 };
}

} // namespace maprune
