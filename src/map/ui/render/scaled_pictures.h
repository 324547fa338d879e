// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <array>

#include "map/ui/render/picture_ids.h"
#include "map/ui/render/sprite.h"

namespace maprune {

class TMapPictures;

// The map pictures for tiles of one size: the terrain variants, sprites and
// palette templates of a TMapPictures scaled once (ScaledTerrain,
// TSprite::Scaled, TPaletteTemplate::Scaled), so that drawing a zoomed map
// costs no more per tile than the unzoomed one. At 64 pixels they are the
// pictures themselves.
class TScaledPictures {
public:
    TScaledPictures(const TMapPictures& pictures, int size);

    int Size() const { return FSize; }
    // As the accessors of TMapPictures.
    const QImage& Terrain(int index, int variant) const;
    const TSprite& Sprite(int id) const;
    const TPaletteTemplate& Template(int id) const;

private:
    int FSize;
    std::array<std::array<QImage, picture::kVariantCount>, picture::kTerrainCount> FTerrain;
    std::array<TSprite, picture::kLast + 1> FSprites;
    std::array<TPaletteTemplate, picture::kLast + 1> FTemplates;
};

} // namespace maprune
