// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/region_symbols.h"

#include "model/region.h"

namespace maprune {

namespace {

bool StreetComplete(const TRegion& region)
{
    return region.Street->CurrentValue() == kCompleteStreet;
}

} // namespace

std::array<bool, kRegionIconCount> RegionIcons(const TRegion& region)
{
    return { region.HasBuildings(), region.HasOwnUnit(), region.HasShips(), region.HasOwnGuard(),
        region.HasComment() };
}

std::array<bool, 6> StreetPieces(TRegion& region)
{
    std::array<bool, 6> pieces {};
    if (!StreetComplete(region))
        return pieces;
    region.LinkNeighbours();
    for (int slot = 0; slot < TRegion::kDirections; ++slot) {
        const TRegion* neighbour = region.Neighbour(slot);
        pieces[static_cast<size_t>(slot)] = neighbour != nullptr && StreetComplete(*neighbour);
    }
    return pieces;
}

} // namespace maprune
