// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/bsp_tree.h"

#include <algorithm>
#include <limits>

#include "map/rounding.h"
#include "model/region.h"

namespace maprune {

TBSPTree::TBSPTree(std::vector<BSPEntry> entries)
    : FNodeRegions(std::move(entries))
{
    if (FNodeRegions.empty())
        return;
    MapPoint low { std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::max() };
    MapPoint high { std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::min() };
    for (const BSPEntry& entry : FNodeRegions) {
        low.X = std::min(low.X, entry.Tile.X);
        low.Y = std::min(low.Y, entry.Tile.Y);
        high.X = std::max(high.X, entry.Tile.X);
        high.Y = std::max(high.Y, entry.Tile.Y);
    }
    FBounds = { low.X, low.Y, high.X + kTileSize, high.Y + kTileSize };
}

TBSPTree::TBSPTree(const std::vector<BSPEntry>& parent, const MapRect& bounds)
    : FBounds(bounds)
{
    for (const BSPEntry& entry : parent) {
        if (entry.TileBounds().Intersects(FBounds))
            FNodeRegions.push_back(entry);
    }
}

TBSPTree::~TBSPTree()
{
    // Deep trees are taken apart iteratively so that freeing them needs no
    // stack in proportion to their depth.
    std::vector<std::unique_ptr<TBSPTree>> pending;
    pending.push_back(std::move(FFirst));
    pending.push_back(std::move(FSecond));
    while (!pending.empty()) {
        std::unique_ptr<TBSPTree> node = std::move(pending.back());
        pending.pop_back();
        if (node) {
            pending.push_back(std::move(node->FFirst));
            pending.push_back(std::move(node->FSecond));
        }
    }
}

void TBSPTree::Subdivide(size_t threshold)
{
    std::vector<TBSPTree*> pending { this };
    while (!pending.empty()) {
        TBSPTree* node = pending.back();
        pending.pop_back();
        if (node->FNodeRegions.size() <= threshold)
            continue;
        node->Split();
        if (node->FIsSplit) {
            pending.push_back(node->FSecond.get());
            pending.push_back(node->FFirst.get());
        }
    }
}

std::vector<int64_t> TBSPTree::Balances(const std::vector<MapRect>& firsts) const
{
    // One pass over the regions for all candidates.
    std::vector<int64_t> a(firsts.size(), 0);
    std::vector<int64_t> b(firsts.size(), 0);
    for (const BSPEntry& entry : FNodeRegions) {
        const MapRect tile = entry.TileBounds();
        for (size_t k = 0; k < firsts.size(); ++k) {
            if (firsts[k].Contains(tile)) {
                ++a[k];
            } else if (firsts[k].Intersects(tile)) {
                ++a[k];
                ++b[k];
            } else {
                ++b[k];
            }
        }
    }
    std::vector<int64_t> balances(firsts.size());
    for (size_t k = 0; k < firsts.size(); ++k)
        balances[k] = a[k] > b[k] ? a[k] - b[k] : b[k] - a[k];
    return balances;
}

void TBSPTree::Split()
{
    if (FIsSplit || FNodeRegions.size() < 9)
        return;
    const bool byX = FBounds.Right - FBounds.Left >= FBounds.Bottom - FBounds.Top;
    const int64_t low = byX ? FBounds.Left : FBounds.Top;
    const int64_t high = byX ? FBounds.Right : FBounds.Bottom;
    auto firstPart = [&](int64_t cut) {
        MapRect r = FBounds;
        (byX ? r.Right : r.Bottom) = cut;
        return r;
    };

    // A double sum of tile corners stays exact far beyond any real world
    // and cannot overflow.
    double sum = 0;
    for (const BSPEntry& entry : FNodeRegions)
        sum += static_cast<double>(byX ? entry.Tile.X : entry.Tile.Y);
    const double mean = sum / static_cast<double>(FNodeRegions.size());
    const int64_t start = std::max((RoundHalfEven(mean + 32) & ~int64_t { 15 }) - 16, low);

    std::vector<int64_t> cuts { start };
    for (int64_t step = 1; step <= 4 && start + 16 * step < high; ++step)
        cuts.push_back(start + 16 * step);
    std::vector<MapRect> firsts;
    for (int64_t candidate : cuts)
        firsts.push_back(firstPart(candidate));
    const std::vector<int64_t> balances = Balances(firsts);
    // The first of the smallest balances wins.
    const size_t best = static_cast<size_t>(
        std::min_element(balances.begin(), balances.end()) - balances.begin());
    const int64_t cut = cuts[best];

    MapRect secondBounds = FBounds;
    (byX ? secondBounds.Left : secondBounds.Top) = cut;
    auto first = std::make_unique<TBSPTree>(FNodeRegions, firstPart(cut));
    auto second = std::make_unique<TBSPTree>(FNodeRegions, secondBounds);
    const size_t count = FNodeRegions.size();
    if (first->FNodeRegions.size() < count && second->FNodeRegions.size() < count) {
        FFirst = std::move(first);
        FSecond = std::move(second);
        FIsSplit = true;
    }
}

BSPRelation TBSPTree::Relation(const MapRect& clip, int64_t viewLeft, int64_t viewTop) const
{
    const MapRect moved = FBounds.Translated(-viewLeft, -viewTop);
    if (!moved.Intersects(clip))
        return BSPRelation::Outside;
    return clip.Contains(moved) ? BSPRelation::Inside : BSPRelation::Partial;
}

std::unique_ptr<TBSPTree> BuildBSPTree(const TRegionList& regions, int32_t layer, MapLayout layout)
{
    std::vector<BSPEntry> entries;
    for (size_t i = 0; i < regions.Count(); ++i) {
        TRegion* region = regions[i];
        if (region != nullptr && region->CZ == layer)
            entries.push_back({ region, RegionToMapPixel(region->CX, region->CY, layout), i });
    }
    auto tree = std::make_unique<TBSPTree>(std::move(entries));
    tree->Subdivide(TBSPTree::kSplitThreshold);
    return tree;
}

namespace {

template <typename Yield>
void ForEachEntryMeeting(const TBSPTree& tree, const MapRect& rect, Yield yield)
{
    // A region may be listed in several leaves; it is yielded only by the
    // leaf holding the top-left pixel of the part of its tile inside `rect`.
    // The leaves divide the root without overlap, so exactly one does.
    std::vector<const TBSPTree*> pending { &tree };
    while (!pending.empty()) {
        const TBSPTree* node = pending.back();
        pending.pop_back();
        if (!node->Bounds().Intersects(rect))
            continue;
        if (node->IsSplit()) {
            pending.push_back(node->Second());
            pending.push_back(node->First());
            continue;
        }
        for (const BSPEntry& entry : node->NodeRegions()) {
            const MapRect tile = entry.TileBounds();
            if (!tile.Intersects(rect))
                continue;
            const MapPoint corner { std::max(tile.Left, rect.Left), std::max(tile.Top, rect.Top) };
            if (node->Bounds().Contains(corner))
                yield(entry);
        }
    }
}

} // namespace

void RegionsMeeting(const TBSPTree& tree, const MapRect& rect, std::vector<TRegion*>& out)
{
    ForEachEntryMeeting(tree, rect, [&out](const BSPEntry& entry) { out.push_back(entry.Region); });
}

void EntriesMeeting(const TBSPTree& tree, const MapRect& rect, std::vector<const BSPEntry*>& out)
{
    ForEachEntryMeeting(tree, rect, [&out](const BSPEntry& entry) { out.push_back(&entry); });
}

} // namespace maprune
