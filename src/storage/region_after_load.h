// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace maprune {

class TRegion;

// Completes a region read from a database file: resolves TerrainType from
// Terrain in the game reference data and takes Bitmap_ from it; when
// FullInfoDate > 0, gives Peasants, Horses, Street and Trees (and Laen and
// Iron where the terrain cannot hold them) the value 0 for FullInfoDate if
// they hold no entry; derives Entertainment and Recrutees from the newest
// Silver and Peasants values (div 20, -1 when there is none).
void CompleteLoadedRegion(TRegion& region);

} // namespace maprune
