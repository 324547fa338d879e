// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/region_after_load.h"

#include "model/game_data.h"
#include "model/region.h"

namespace maprune {

namespace {

// A complete description gives every land value; one that is missing was 0.
void ZeroIfEmpty(THistoryInteger& history, int32_t date)
{
    if (history.HistoryCount() == 0)
        history.AddValue(date, 0);
}

int32_t TwentiethOfNewest(const THistoryInteger& history)
{
    return history.HistoryCount() == 0 ? -1 : history.CurrentValue() / 20;
}

} // namespace

void CompleteLoadedRegion(TRegion& region)
{
    region.TerrainType = region.LookupTerrainType();
    const GameRecord* terrain = region.TerrainType;
    if (terrain != nullptr)
        region.Bitmap_ = terrain->PictureNumber();

    const int32_t date = region.FullInfoDate;
    if (date > 0) {
        ZeroIfEmpty(*region.Peasants, date);
        ZeroIfEmpty(*region.Horses, date);
        ZeroIfEmpty(*region.Street, date);
        ZeroIfEmpty(*region.Trees, date);
        if (terrain == nullptr || !terrain->CanHoldLaen())
            ZeroIfEmpty(*region.Laen, date);
        if (terrain == nullptr || !terrain->CanHoldIron())
            ZeroIfEmpty(*region.Iron, date);
    }
    region.Entertainment = TwentiethOfNewest(*region.Silver);
    region.Recrutees = TwentiethOfNewest(*region.Peasants);
}

} // namespace maprune
