// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/selection.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "model/game_data.h"
#include "model/report.h"

namespace maprune {

namespace {

bool Has(const TRegion& region, int32_t bit)
{
    return (region.Tag() & bit) != 0;
}

// Sets `Tag`, counting a change of the selection bit.
class TagWriter {
public:
    void Set(TRegion& region, int32_t tag)
    {
        if (((region.Tag() ^ tag) & TagSelected) != 0)
            ++FChanges;
        region.SetTag(tag);
    }
    void SetBits(TRegion& region, int32_t bits) { Set(region, region.Tag() | bits); }
    void ClearBits(TRegion& region, int32_t bits) { Set(region, region.Tag() & ~bits); }
    void ExchangeSelectedAndScratch(TRegion& region)
    {
        const int32_t tag = region.Tag();
        const int32_t swapped = (tag & ~(TagSelected | TagScratch))
            | ((tag & TagSelected) != 0 ? TagScratch : 0)
            | ((tag & TagScratch) != 0 ? TagSelected : 0);
        Set(region, swapped);
    }
    int Changes() const { return FChanges; }

private:
    int FChanges = 0;
};

// The regions of the active layer, with their neighbour slots linked anew
// (links from another layer or from before a change of the regions would be
// stale).
std::vector<TRegion*> LayerWithNeighbours(TReport& report)
{
    std::vector<TRegion*> layer;
    for (TRegion* region : *report.Regions) {
        if (region != nullptr && region->CZ == report.ActiveLayer)
            layer.push_back(region);
    }
    for (TRegion* region : layer)
        region->LinkNeighbours();
    return layer;
}

bool IsWater(const TRegion& region)
{
    const GameRecord* terrain = region.EffectiveTerrainType();
    return terrain != nullptr && terrain->IsWater();
}

SelectionOutcome ChangedOutcome(const TagWriter& writer)
{
    return { writer.Changes(), writer.Changes() > 0 };
}

} // namespace

SelectionOutcome SetSelection(TReport& report, SelectionMode mode, bool shiftHeld)
{
    TagWriter writer;
    for (TRegion* region : *report.Regions) {
        if (region == nullptr || (!shiftHeld && region->CZ != report.ActiveLayer))
            continue;
        const bool selected = Has(*region, TagSelected);
        const bool wanted
            = mode == SelectionMode::Set || (mode == SelectionMode::Invert && !selected);
        if (wanted != selected)
            writer.Set(*region, region->Tag() ^ TagSelected);
    }
    return ChangedOutcome(writer);
}

SelectionOutcome FillSelection(TReport& report)
{
    bool any = false;
    int32_t minX = std::numeric_limits<int32_t>::max();
    int32_t maxX = std::numeric_limits<int32_t>::min();
    int32_t minY = minX;
    int32_t maxY = maxX;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr || !Has(*region, TagSelected))
            continue;
        any = true;
        minX = std::min(minX, region->CX);
        maxX = std::max(maxX, region->CX);
        minY = std::min(minY, region->CY);
        maxY = std::max(maxY, region->CY);
    }
    TagWriter writer;
    if (any) {
        for (TRegion* region : *report.Regions) {
            if (region != nullptr && region->CX >= minX && region->CX <= maxX && region->CY >= minY
                && region->CY <= maxY)
                writer.SetBits(*region, TagSelected);
        }
    }
    return { writer.Changes(), true };
}

SelectionOutcome SelectIslands(TReport& report)
{
    const std::vector<TRegion*> layer = LayerWithNeighbours(report);
    TagWriter writer;
    for (TRegion* region : layer)
        writer.ClearBits(*region, TagScratch);
    // Each region is selected at most once (only while it has neither bit),
    // so the passes end.
    bool found = true;
    while (found) {
        found = false;
        for (TRegion* region : layer) {
            if (!Has(*region, TagSelected))
                continue;
            found = true;
            for (TRegion* neighbour : region->Neighbours) {
                if (neighbour != nullptr && !Has(*neighbour, TagSelected | TagScratch)
                    && !IsWater(*neighbour))
                    writer.SetBits(*neighbour, TagSelected);
            }
            writer.Set(*region, (region->Tag() & ~TagSelected) | TagScratch);
        }
    }
    for (TRegion* region : layer)
        writer.ExchangeSelectedAndScratch(*region);
    for (TRegion* region : layer)
        writer.ClearBits(*region, TagScratch);
    return ChangedOutcome(writer);
}

SelectionOutcome ExpandSelection(TReport& report)
{
    const std::vector<TRegion*> layer = LayerWithNeighbours(report);
    TagWriter writer;
    for (TRegion* region : layer)
        writer.ClearBits(*region, TagScratch);
    for (TRegion* region : layer) {
        if (!Has(*region, TagSelected) || Has(*region, TagScratch))
            continue;
        for (TRegion* neighbour : region->Neighbours) {
            if (neighbour != nullptr && !Has(*neighbour, TagSelected | TagScratch))
                writer.SetBits(*neighbour, TagScratch);
        }
        writer.Set(*region, (region->Tag() & ~TagSelected) | TagScratch);
    }
    for (TRegion* region : layer) {
        if (Has(*region, TagScratch) && !Has(*region, TagSelected))
            writer.Set(*region, (region->Tag() & ~TagScratch) | TagSelected);
    }
    return { writer.Changes(), true };
}

SelectionOutcome ContractSelection(TReport& report)
{
    const std::vector<TRegion*> layer = LayerWithNeighbours(report);
    TagWriter writer;
    for (TRegion* region : layer)
        writer.ClearBits(*region, TagScratch);
    for (TRegion* region : layer) {
        if (!Has(*region, TagSelected) || Has(*region, TagScratch))
            continue;
        const bool inner = std::all_of(region->Neighbours.begin(), region->Neighbours.end(),
            [](const TRegion* n) { return n != nullptr && Has(*n, TagSelected); });
        if (inner)
            writer.SetBits(*region, TagScratch);
    }
    for (TRegion* region : layer)
        writer.ExchangeSelectedAndScratch(*region);
    for (TRegion* region : layer)
        writer.ClearBits(*region, TagScratch);
    return ChangedOutcome(writer);
}

} // namespace maprune
