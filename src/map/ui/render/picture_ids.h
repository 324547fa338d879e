// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace maprune::picture {

// The numbers of the map pictures (also the names of their override files,
// GFX/<id>.bmp). All pictures are 64 x 64.
constexpr int kTerrainFirst = 1; // 1 .. 9: terrain picture index 0 .. 8
constexpr int kTerrainCount = 9;
constexpr int kRouteMarkFirst = 10; // 10 .. 15: route marks towards slots 0 .. 5
constexpr int kIconFirst = 16; // 16 buildings, 17 own units, 18 ships, 19 own guards, 20 comment
constexpr int kCurrentMarker = 21;
constexpr int kStatisticTemplate = 22;
constexpr int kStreetFirst = 23; // 23 .. 28: street pieces towards slots 0 .. 5
constexpr int kSelectionOverlay = 29;
constexpr int kFogMask = 30;
constexpr int kPoliticFirst = 31; // 31 .. 37: political templates for 1 .. 7 shares
constexpr int kPoliticCount = 7;
constexpr int kLast = 37;

// Palette entries of the templates: the statistic fill and the outline of
// both kinds; the political parts use entries 1 .. n.
constexpr int kStatisticFillEntry = 14;
constexpr int kOutlineEntry = 15;

// Terrain variants: plain, selected, outdated, selected and outdated.
constexpr int kVariantCount = 4;
constexpr int kVariantSelected = 1;
constexpr int kVariantOutdated = 2;

constexpr int kSize = 64;

} // namespace maprune::picture
