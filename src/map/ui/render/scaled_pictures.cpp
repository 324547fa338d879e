// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/scaled_pictures.h"

#include <algorithm>

#include "map/ui/render/map_pictures.h"

namespace maprune {

using namespace picture;

namespace {

bool IsSprite(int id)
{
    return (id >= kRouteMarkFirst && id <= kCurrentMarker)
        || (id >= kStreetFirst && id <= kSelectionOverlay);
}

bool IsTemplate(int id)
{
    return id == kStatisticTemplate || (id >= kPoliticFirst && id <= kLast);
}

} // namespace

TScaledPictures::TScaledPictures(const TMapPictures& pictures, int size)
    : FSize(size)
{
    const MapLayout layout = pictures.Layout();
    for (int index = 0; index < kTerrainCount; ++index) {
        for (int variant = 0; variant < kVariantCount; ++variant) {
            const QImage& terrain = pictures.Terrain(index, variant);
            FTerrain[static_cast<size_t>(index)][static_cast<size_t>(variant)]
                = size == kSize ? terrain : ScaledTerrain(terrain, size, layout);
        }
    }
    for (int id = 0; id <= kLast; ++id) {
        if (IsSprite(id))
            FSprites[static_cast<size_t>(id)]
                = size == kSize ? pictures.Sprite(id) : pictures.Sprite(id).Scaled(size, layout);
        else if (IsTemplate(id))
            FTemplates[static_cast<size_t>(id)]
                = size == kSize ? pictures.Template(id) : pictures.Template(id).Scaled(size);
    }
}

const QImage& TScaledPictures::Terrain(int index, int variant) const
{
    const int t = index >= 0 && index < kTerrainCount ? index : kTerrainCount - 1;
    return FTerrain[static_cast<size_t>(t)][static_cast<size_t>(variant & 3)];
}

const TSprite& TScaledPictures::Sprite(int id) const
{
    return FSprites[static_cast<size_t>(std::clamp(id, 0, kLast))];
}

const TPaletteTemplate& TScaledPictures::Template(int id) const
{
    return FTemplates[static_cast<size_t>(std::clamp(id, 0, kLast))];
}

} // namespace maprune
