// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "map/hex_geometry.h"

namespace maprune {

class TRegion;
class TRegionList;

enum class BSPRelation { Outside, Partial, Inside };

// A region of the tree, the top-left corner of its tile and its place in the
// report's Regions when the tree was built (which saves the drawing a
// look-up of the region per tile).
struct BSPEntry {
    TRegion* Region = nullptr;
    MapPoint Tile;
    size_t Index = 0;

    MapRect TileBounds() const
    {
        return { Tile.X, Tile.Y, Tile.X + kTileSize, Tile.Y + kTileSize };
    }
};

// One node of a two-way space partition over the tiles of one layer. A node
// lists every region whose tile meets its Bounds (regions crossing a cut are
// listed in both children); the children of a split node divide its Bounds
// between them without overlap. The tree refers to the regions without owning
// them and must be rebuilt when regions are added, removed or moved.
class TBSPTree {
public:
    static constexpr size_t kSplitThreshold = 24;

    // A root over `entries`: Bounds span all their tiles (empty for none).
    explicit TBSPTree(std::vector<BSPEntry> entries);
    // A node with `bounds`, listing the entries of `parent` whose tile meets it.
    TBSPTree(const std::vector<BSPEntry>& parent, const MapRect& bounds);
    ~TBSPTree();
    TBSPTree(const TBSPTree&) = delete;
    TBSPTree& operator=(const TBSPTree&) = delete;

    // Splits every node of the subtree that holds more than `threshold`
    // regions, as long as a split separates them (see Split).
    void Subdivide(size_t threshold);

    // Cuts a leaf of at least 9 regions across its longer side (by x when
    // width >= height) near the mean of the tile corners and keeps the cut
    // only when each child holds fewer regions than the node. Of the cut
    // position s = (round-half-even(mean + 32) with the low four bits
    // cleared) - 16, raised to the node's edge, and up to four positions
    // 16, 32, 48, 64 pixels further inside the node, the first with the
    // smallest |a - b| wins, where a counts the tiles meeting the first child
    // and b those not inside it.
    void Split();

    // How the Bounds, moved by (-viewLeft, -viewTop), relate to `clip`.
    BSPRelation Relation(const MapRect& clip, int64_t viewLeft, int64_t viewTop) const;

    const MapRect& Bounds() const { return FBounds; }
    bool IsSplit() const { return FIsSplit; }
    // The children; null unless split.
    const TBSPTree* First() const { return FFirst.get(); }
    const TBSPTree* Second() const { return FSecond.get(); }
    const std::vector<BSPEntry>& NodeRegions() const { return FNodeRegions; }

private:
    // |a - b| for each candidate first child.
    std::vector<int64_t> Balances(const std::vector<MapRect>& firsts) const;

    MapRect FBounds;
    bool FIsSplit = false;
    std::unique_ptr<TBSPTree> FFirst;
    std::unique_ptr<TBSPTree> FSecond;
    std::vector<BSPEntry> FNodeRegions;
};

// The tree over the regions of `regions` on `layer`, subdivided with the
// threshold of 24 regions per node.
std::unique_ptr<TBSPTree> BuildBSPTree(const TRegionList& regions, int32_t layer, MapLayout layout);

// Appends to `out` every region of the tree whose tile meets `rect`, each
// exactly once, in tree order.
void RegionsMeeting(const TBSPTree& tree, const MapRect& rect, std::vector<TRegion*>& out);
// The same regions as their entries in the tree.
void EntriesMeeting(const TBSPTree& tree, const MapRect& rect, std::vector<const BSPEntry*>& out);

} // namespace maprune
