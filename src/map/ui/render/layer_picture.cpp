// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/layer_picture.h"

#include <string>

#include "core/error.h"
#include "map/hex_geometry.h"
#include "map/map_navigation.h"
#include "map/map_state.h"
#include "map/ui/render/map_canvas.h"
#include "map/ui/render/map_pictures.h"
#include "map/ui/render/tile_renderer.h"
#include "model/report.h"

namespace maprune {

QImage RenderLayerPicture(TMapState& state, TTileRenderer& tiles)
{
    const TReport& report = state.Report();
    MapViewState view;
    view.Layout = tiles.Pictures().Layout();
    view.TileSize = tiles.Options().TileSize;
    RebuildView(state, view);
    const MapExtent& extent = view.Extent;
    const std::string layer = std::to_string(report.ActiveLayer);
    if (extent.MapWidth <= 0 || extent.MapHeight <= 0)
        throw Error("Ebene " + layer + " hat keine Regionen.");
    const auto fits = [&extent](int64_t tileSize) {
        const int64_t width = ZoomedLength(extent.MapWidth, tileSize);
        const int64_t height = ZoomedLength(extent.MapHeight, tileSize);
        return width <= kMaxLayerPictureSide && height <= kMaxLayerPictureSide
            && width * height <= kMaxLayerPicturePixels;
    };
    // Too large a picture is drawn with smaller tiles, as far as the zoom goes.
    int64_t tileSize = view.TileSize;
    while (!fits(tileSize) && tileSize - 4 >= kMinTileSize)
        tileSize -= 4;
    if (!fits(tileSize)) {
        throw Error("Die Karte der Ebene " + layer + " wäre "
            + std::to_string(ZoomedLength(extent.MapWidth, kMinTileSize)) + " × "
            + std::to_string(ZoomedLength(extent.MapHeight, kMinTileSize))
            + " Pixel groß, auch mit der kleinsten Kachelgröße; ein Bild darf höchstens "
            + std::to_string(kMaxLayerPictureSide) + " Pixel breit und hoch sein und höchstens "
            + std::to_string(kMaxLayerPicturePixels) + " Pixel haben.");
    }
    if (tileSize != view.TileSize) {
        TileOptions options = tiles.Options();
        options.TileSize = static_cast<int>(tileSize);
        tiles.SetOptions(options);
        view.TileSize = tileSize;
        RebuildView(state, view);
    }
    const int64_t width = ZoomedLength(extent.MapWidth, tileSize);
    const int64_t height = ZoomedLength(extent.MapHeight, tileSize);
    view.ViewWidth = width;
    view.ViewHeight = height;
    SetupScrollBars(view);

    TMapCanvas canvas(tiles);
    canvas.Resize(static_cast<int>(width), static_cast<int>(height));
    if (canvas.Image().isNull())
        throw Error("Für das Bild der Ebene " + layer + " fehlt der Speicher.");
    canvas.Redraw(&state, view, 0, 0, nullptr);
    return canvas.Image();
}

} // namespace maprune
