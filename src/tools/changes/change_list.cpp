// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/changes/change_list.h"

#include <algorithm>

#include "model/report.h"
#include "tools/changes/key_index.h"

namespace maprune {

namespace {

const char* CategoryWord(PartyCategory category)
{
    switch (category) {
    case PartyCategory::Own:
        return "eigene";
    case PartyCategory::Allied:
        return "verbündete";
    case PartyCategory::Disguised:
        return "getarnte";
    case PartyCategory::Enemy:
        break;
    }
    return "fremde";
}

bool SameGroup(const TurnChange& a, const TurnChange& b)
{
    return a.Kind == b.Kind && a.Category == b.Category;
}

} // namespace

std::vector<ChangeLine> ChangeListLines(const std::vector<TurnChange>& changes)
{
    std::vector<ChangeLine> lines;
    lines.reserve(changes.size() + 2 * kChangeKindCount);
    for (size_t first = 0; first < changes.size();) {
        size_t end = first;
        while (end < changes.size() && SameGroup(changes[first], changes[end]))
            ++end;
        const TurnChange& head = changes[first];
        std::string heading = ChangeKindCaption(head.Kind);
        if (head.Category)
            heading += ", " + std::string(CategoryWord(*head.Category));
        lines.push_back({ heading + " (" + std::to_string(end - first) + ")", std::nullopt, -1 });
        for (size_t i = first; i < end; ++i)
            lines.push_back({ {}, changes[i].Category, static_cast<int32_t>(i) });
        first = end;
    }
    return lines;
}

const std::string& LineText(const ChangeLine& line, const std::vector<TurnChange>& changes)
{
    return line.Change >= 0 ? changes[static_cast<size_t>(line.Change)].Text : line.Heading;
}

ChangeWeight WeightOf(ChangeKind kind)
{
    switch (kind) {
    case ChangeKind::DominantParty:
        return ChangeWeight::Owner;
    case ChangeKind::Fight:
    case ChangeKind::PartyArrived:
    case ChangeKind::PartyLeft:
    case ChangeKind::UnitNew:
    case ChangeKind::UnitGone:
    case ChangeKind::UnitMoved:
    case ChangeKind::UnitParty:
    case ChangeKind::SilverLost:
    case ChangeKind::ItemsLost:
    case ChangeKind::BuildingNew:
    case ChangeKind::BuildingGone:
    case ChangeKind::ShipNew:
    case ChangeKind::ShipGone:
    case ChangeKind::ShipMoved:
    case ChangeKind::ShipParty:
        return ChangeWeight::Units;
    default:
        return ChangeWeight::Values;
    }
}

std::vector<ChangeWeight> RegionWeights(
    const TReport& report, const std::vector<TurnChange>& changes)
{
    const TRegionList& regions = *report.Regions;
    std::vector<ChangeWeight> weights(regions.Count(), ChangeWeight::None);
    KeyIndex index(regions.Count());
    for (size_t i = 0; i < regions.Count(); ++i) {
        if (const TRegion* region = regions[i])
            index.Add(region->CX, region->CY, region->CZ, static_cast<int32_t>(i));
    }
    for (const TurnChange& change : changes) {
        if (!change.Placed)
            continue;
        const int32_t at = index.Find(change.X, change.Y, change.Z);
        if (at >= 0) {
            ChangeWeight& weight = weights[static_cast<size_t>(at)];
            weight = std::max(weight, WeightOf(change.Kind));
        }
    }
    return weights;
}

} // namespace maprune
