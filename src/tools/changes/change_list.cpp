// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/changes/change_list.h"

#include <algorithm>
#include <functional>
#include <tuple>
#include <unordered_map>

#include "model/report.h"

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

using Place = std::tuple<int32_t, int32_t, int32_t>;

struct PlaceHash {
    size_t operator()(const Place& place) const
    {
        const auto [x, y, z] = place;
        const uint64_t xy
            = (uint64_t { static_cast<uint32_t>(x) } << 32) | static_cast<uint32_t>(y);
        return std::hash<uint64_t> {}(
            xy ^ (uint64_t { static_cast<uint32_t>(z) } * 0x9E3779B97F4A7C15));
    }
};

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
            lines.push_back({ changes[i].Text, changes[i].Category, static_cast<int32_t>(i) });
        first = end;
    }
    return lines;
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
    case ChangeKind::SilverLost:
    case ChangeKind::BuildingNew:
    case ChangeKind::BuildingGone:
    case ChangeKind::ShipNew:
    case ChangeKind::ShipGone:
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
    std::unordered_map<Place, size_t, PlaceHash> index;
    index.reserve(regions.Count());
    for (size_t i = 0; i < regions.Count(); ++i) {
        if (const TRegion* region = regions[i])
            index.emplace(Place { region->CX, region->CY, region->CZ }, i);
    }
    for (const TurnChange& change : changes) {
        if (!change.Placed)
            continue;
        const auto at = index.find(Place { change.X, change.Y, change.Z });
        if (at != index.end())
            weights[at->second] = std::max(weights[at->second], WeightOf(change.Kind));
    }
    return weights;
}

} // namespace maprune
