// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/selection_picture.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "core/error.h"
#include "map/map_state.h"
#include "map/ui/render/layer_picture.h"
#include "map/ui/render/map_pictures.h"
#include "map/ui/render/picture_ids.h"
#include "map/ui/render/tile_renderer.h"
#include "model/region.h"
#include "model/report.h"

namespace maprune {

QImage RenderSelectionPicture(TMapState& state, TTileRenderer& tiles)
{
    const TReport& report = state.Report();
    const MapLayout layout = tiles.Pictures().Layout();
    std::vector<TRegion*> selected;
    MapRect box { std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::max(),
        std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::min() };
    for (TRegion* region : *report.Regions) {
        if (region->CZ != report.ActiveLayer || (region->Tag() & TagSelected) == 0)
            continue;
        selected.push_back(region);
        const MapRect tile = TileRect(region->CX, region->CY, layout);
        box = { std::min(box.Left, tile.Left), std::min(box.Top, tile.Top),
            std::max(box.Right, tile.Right), std::max(box.Bottom, tile.Bottom) };
    }
    if (selected.empty())
        return {};
    const int64_t width = box.Right - box.Left;
    const int64_t height = box.Bottom - box.Top;
    if (width > kMaxLayerPictureSide || height > kMaxLayerPictureSide
        || width * height > kMaxLayerPicturePixels)
        throw Error("Das Bild der Auswahl wäre " + std::to_string(width) + " × "
            + std::to_string(height) + " Pixel groß; ein Bild darf höchstens "
            + std::to_string(kMaxLayerPictureSide) + " Pixel breit und hoch sein und höchstens "
            + std::to_string(kMaxLayerPicturePixels) + " Pixel haben.");

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        throw Error("Für das Bild der Auswahl fehlt der Speicher.");
    image.fill(0);
    QImage tile(picture::kSize, picture::kSize, QImage::Format_RGB32);
    tiles.BeginPass();
    for (TRegion* region : selected) {
        tiles.RenderTile(*region, state.Colours(*region), false, tile);
        const MapRect at = TileRect(region->CX, region->CY, layout).Translated(-box.Left, -box.Top);
        for (int y = 0; y < kTileSize; ++y) {
            const auto* source = reinterpret_cast<const QRgb*>(tile.constScanLine(y));
            auto* target
                = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(at.Top) + y)) + at.Left;
            for (int x = 0; x < kTileSize; ++x)
                target[x] |= source[x];
        }
    }
    return image;
}

} // namespace maprune
