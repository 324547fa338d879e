// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QStringList>

#include <array>
#include <vector>

#include "map/hex_geometry.h"
#include "map/ui/render/picture_ids.h"
#include "map/ui/render/sprite.h"

namespace maprune {

// The folders searched for picture files that replace built-in pictures, in
// order: GFX beside the program, then GFX in the user's data folder. Needs a
// Qt application object.
QStringList DefaultPictureFolders();

// All map pictures (ids 1 .. 37), prepared once for the layout in force at
// start-up. A picture is read from "<folder>/<id>.bmp" of the first folder
// holding a usable file, else drawn built in. A file is usable when it is a
// readable 64 x 64 picture and, for the palette templates (22, 31 .. 37), a
// palette picture; an unusable file is passed over.
//
// Preparation: terrain picture files (pointy-top hexagons) are transposed
// for YAxisNorthSouth (the built-in ones are drawn for the layout); pure
// white pixels of terrain pictures become 0x808080; each gets four variants (plain, with the
// selection overlay, multiplied with the fog mask per channel as
// a * b / 255, both). Icons and the current-region marker turn pure white
// black. Route marks, icons, the marker, street pieces and the overlay are
// drawn transparently (TSprite).
class TMapPictures {
public:
    explicit TMapPictures(MapLayout layout, const QStringList& folders = {});

    MapLayout Layout() const { return FLayout; }

    // Terrain picture index 0 .. 8 (outside that range the last, fog) in
    // variant 0 .. 3 (bit 0 selected, bit 1 outdated); RGB32.
    const QImage& Terrain(int index, int variant) const;
    // Ids 10 .. 21 and 23 .. 29.
    const TSprite& Sprite(int id) const;
    // Ids 22 and 31 .. 37.
    const TPaletteTemplate& Template(int id) const;
    const QImage& FogMask() const { return FFogMask; }

    // The ids read from files, ascending.
    const std::vector<int>& FromFiles() const { return FFromFiles; }

private:
    // The picture from the first usable file, or null.
    QImage LoadFile(int id, const QStringList& folders);
    QImage Load(int id, const QStringList& folders);
    void PrepareTerrain(int index, const QStringList& folders);

    MapLayout FLayout;
    std::array<std::array<QImage, picture::kVariantCount>, picture::kTerrainCount> FTerrain;
    std::array<TSprite, picture::kLast + 1> FSprites;
    std::array<TPaletteTemplate, picture::kLast + 1> FTemplates;
    QImage FFogMask;
    std::vector<int> FFromFiles;
};

} // namespace maprune
