// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "map/map_colouring.h"
#include "map/ui/render/scaled_pictures.h"
#include "map/ui/render/sprite.h"
#include "map/ui/render/tile_text_painter.h"

namespace maprune {

class Dialogs;
class TMapPictures;
class TRegion;
struct RegionColours;

// What the tiles show besides the region itself.
struct TileOptions {
    MapMode Mode = MapMode::Geographic;
    int32_t FowMode = 0; // the setting FOW_Mode: 0 shows outdated regions dimmed
    int32_t TextStyle = 0; // the setting TextStyle, 0 .. 5
    // The zoom: tiles of TileSize x TileSize pixels (a multiple of 4 within
    // 4 .. 128; 64 unzoomed). Text is written from kMinTextTileSize on,
    // icons drawn from kMinIconTileSize on.
    int TileSize = 64;
    // Switches of the picture export; all false on the map.
    bool HideNames = false;
    bool HideCoordinates = false;
    bool HideIcons = false;
    bool PlainExport = false; // no selection or outdated variants, no route marks or marker
};

// Renders one region into an RGB32 tile of the options' TileSize (64 x 64
// unzoomed): its picture, icons, street pieces, route marks and marker
// (Draw) and its two text lines (RenderTile), the name cut to the width of
// the hexagon.
// Each drawing step is guarded: a step that throws shows its message as an
// information through `dialogs` and the next step runs. A message is shown
// once per pass (BeginPass), not once per region, so that a fault in a step
// cannot bury the user under one box per tile.
class TTileRenderer {
public:
    TTileRenderer(const TMapPictures& pictures, Dialogs& dialogs);

    // Another tile size scales the pictures for it (once per size).
    void SetOptions(const TileOptions& options);
    const TileOptions& Options() const { return FOptions; }
    const TMapPictures& Pictures() const { return FPictures; }

    // Starts a redraw pass: messages may be shown again.
    void BeginPass() { FShown.clear(); }

    // Writes the region's picture by the colouring mode into `tile`:
    // statistic template with entry 14 = the MapColor of `colours` and 15 =
    // the outline colour; political template of the shares of `colours`;
    // else the terrain variant (updating the region's outdated bit). The
    // region must belong to a report.
    void DrawPicture(TRegion& region, const RegionColours& colours, QImage& tile);

    // DrawPicture, then the icons unless hidden, the street pieces, and
    // unless PlainExport the route marks and, for the current region, the
    // marker.
    void Draw(TRegion& region, const RegionColours& colours, bool isCurrent, QImage& tile);

    // Draw, then the name and "CX:CY" in the text style.
    void RenderTile(TRegion& region, const RegionColours& colours, bool isCurrent, QImage& tile);

private:
    template <typename Step> void Guarded(const char* message, Step step);

    const TMapPictures& FPictures;
    std::unique_ptr<TScaledPictures> FScaled;
    int FMaxNameWidth = 0;
    Dialogs& FDialogs;
    TileOptions FOptions;
    TTileTextPainter FText;
    TPaletteTemplate::Palette FPalette;
    std::set<std::string> FShown;
};

} // namespace maprune
