// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/search/search_lists.h"

#include "core/error.h"
#include "model/building.h"
#include "model/region.h"
#include "model/report.h"
#include "model/ship.h"
#include "model/unit.h"
#include "tools/lines/line_number.h"
#include "tools/search/wildcard.h"

namespace maprune {

namespace {

bool Fits(const TReport& report, const TNamedItem& item, const ItemPatterns& patterns)
{
    // The order of the tests is the window's: number, party, name, text.
    return Matches(report.FormatNr(item.Nr), patterns.Nr)
        && Matches(std::to_string(item.Party), patterns.Party) && Matches(item.Name, patterns.Name)
        && Matches(item.Descr, patterns.Descr);
}

template <typename List>
std::vector<CategoryLine> Find(
    const TReport& report, List list, const ItemPatterns& patterns, unsigned displayOptions)
{
    std::vector<PartyText> hits;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        for (const TNamedItem* item : *(region->*list)) {
            if (item != nullptr && Fits(report, *item, patterns))
                hits.push_back({ item->GetDescription(displayOptions), item->Party });
        }
    }
    return LinesByCategory(report, std::move(hits));
}

template <typename List> TRegion* RegionHolding(const TReport& report, List list, int32_t nr)
{
    for (TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        for (const TNamedItem* item : *(region->*list)) {
            if (item != nullptr && item->Nr == nr)
                return region;
        }
    }
    return nullptr;
}

template <typename List>
TRegion* RegionOfPlaceLine(const TReport& report, List list, std::string_view line)
{
    const int32_t nr = NumberInLine(line, report.Basis);
    TRegion* region = nr == -1 ? nullptr : RegionHolding(report, list, nr);
    if (region == nullptr)
        throw Error("GetRegion: could not find named item " + std::to_string(nr));
    return region;
}

} // namespace

std::vector<CategoryLine> FindBuildings(const TReport& report, const ItemPatterns& patterns)
{
    return Find(report, &TRegion::Buildings, patterns, 0);
}

std::vector<CategoryLine> FindShips(const TReport& report, const ItemPatterns& patterns)
{
    return Find(report, &TRegion::Ships, patterns, 0);
}

std::vector<CategoryLine> FindUnits(
    const TReport& report, const ItemPatterns& patterns, unsigned displayOptions)
{
    return Find(report, &TRegion::Units, patterns, displayOptions);
}

std::vector<std::string> FindRegions(const TReport& report, const RegionPatterns& patterns)
{
    std::vector<std::string> hits;
    for (const TRegion* region : *report.Regions) {
        if (region != nullptr && Matches(region->Name, patterns.Name)
            && Matches(region->Terrain, patterns.Terrain))
            hits.push_back(RegionDescription(region));
    }
    return hits;
}

TRegion* RegionOfBuildingLine(const TReport& report, std::string_view line)
{
    return RegionOfPlaceLine(report, &TRegion::Buildings, line);
}

TRegion* RegionOfShipLine(const TReport& report, std::string_view line)
{
    return RegionOfPlaceLine(report, &TRegion::Ships, line);
}

TRegion* RegionOfUnitLine(const TReport& report, std::string_view line)
{
    const int32_t nr = NumberInLine(line, report.Basis);
    return nr == -1 ? nullptr : RegionHolding(report, &TRegion::Units, nr);
}

TRegion* RegionOfRegionLine(const TReport& report, std::string_view line)
{
    for (TRegion* region : *report.Regions) {
        if (region != nullptr && RegionDescription(region) == line)
            return region;
    }
    return nullptr;
}

} // namespace maprune
