// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/tile_renderer.h"

#include <cstring>
#include <exception>

#include "core/dialogs.h"
#include "map/geographic.h"
#include "map/map_state.h"
#include "map/map_zoom.h"
#include "map/region_symbols.h"
#include "map/tile_text.h"
#include "map/ui/render/map_pictures.h"
#include "model/report.h"

namespace maprune {

namespace {

using namespace picture;

QRgb Opaque(Rgb colour)
{
    return 0xFF000000 | (colour & 0xFFFFFF);
}

} // namespace

TTileRenderer::TTileRenderer(const TMapPictures& pictures, Dialogs& dialogs)
    : FPictures(pictures)
    , FDialogs(dialogs)
{
    SetOptions(FOptions);
}

void TTileRenderer::SetOptions(const TileOptions& options)
{
    FOptions = options;
    FOptions.TileSize = static_cast<int>(ValidTileSize(options.TileSize));
    if (FScaled == nullptr || FScaled->Size() != FOptions.TileSize) {
        FScaled = std::make_unique<TScaledPictures>(FPictures, FOptions.TileSize);
        FMaxNameWidth = MaxNameWidth(FOptions.TileSize, FText.LineHeight(), FPictures.Layout());
    }
}

template <typename Step> void TTileRenderer::Guarded(const char* message, Step step)
{
    try {
        step();
    } catch (const std::exception&) {
        if (FShown.insert(message).second)
            FDialogs.ShowMessage(MessageKind::Information, message, ButtonOk);
    }
}

void TTileRenderer::DrawPicture(TRegion& region, const RegionColours& colours, QImage& tile)
{
    switch (FOptions.Mode) {
    case MapMode::Statistic:
    case MapMode::Changes: {
        const TPaletteTemplate& statistic = FScaled->Template(kStatisticTemplate);
        FPalette = statistic.LoadedPalette();
        FPalette[kStatisticFillEntry] = Opaque(colours.MapColor);
        FPalette[kOutlineEntry] = Opaque(OutlineColour(region.Tag()));
        statistic.Expand(FPalette, tile);
        return;
    }
    case MapMode::Political: {
        const PoliticTemplate shares = colours.PoliticShares.Template(region.Tag());
        const TPaletteTemplate& political = FScaled->Template(shares.Picture);
        FPalette = political.LoadedPalette();
        for (int i = 0; i < shares.ShareCount; ++i)
            FPalette[static_cast<size_t>(1 + i)] = Opaque(shares.Fill[static_cast<size_t>(i)]);
        FPalette[kOutlineEntry] = Opaque(shares.Outline);
        political.Expand(FPalette, tile);
        return;
    }
    case MapMode::Geographic:
        break;
    }
    const bool outdated = UpdateOutdated(region, region.Owner()->Turn, FOptions.FowMode);
    int variant = 0;
    if (!FOptions.PlainExport)
        variant = ((region.Tag() & TagSelected) != 0 ? kVariantSelected : 0)
            | (outdated ? kVariantOutdated : 0);
    const QImage& terrain = FScaled->Terrain(region.Bitmap_, variant);
    std::memcpy(tile.bits(), terrain.constBits(), static_cast<size_t>(terrain.sizeInBytes()));
}

void TTileRenderer::Draw(
    TRegion& region, const RegionColours& colours, bool isCurrent, QImage& tile)
{
    Guarded("TRegion.Draw: GetBitmap failed", [&] { DrawPicture(region, colours, tile); });
    if (!FOptions.HideIcons && FOptions.TileSize >= kMinIconTileSize) {
        Guarded("TRegion.Draw: draw icons", [&] {
            const auto icons = RegionIcons(region);
            for (int i = 0; i < kRegionIconCount; ++i) {
                if (icons[static_cast<size_t>(i)])
                    FScaled->Sprite(kIconFirst + i).DrawOnto(tile);
            }
        });
    }
    Guarded("TRegion.Draw: draw street", [&] {
        const auto pieces = StreetPieces(region);
        for (int slot = 0; slot < TRegion::kDirections; ++slot) {
            if (pieces[static_cast<size_t>(slot)])
                FScaled->Sprite(kStreetFirst + slot).DrawOnto(tile);
        }
    });
    if (FOptions.PlainExport)
        return;
    Guarded("TRegion.Draw: draw connection", [&] {
        for (int slot = 0; slot < TRegion::kDirections; ++slot) {
            if (region.RouteMarks[static_cast<size_t>(slot)] != 0)
                FScaled->Sprite(kRouteMarkFirst + slot).DrawOnto(tile);
        }
    });
    if (isCurrent)
        Guarded(
            "TRegion.Draw: draw border", [&] { FScaled->Sprite(kCurrentMarker).DrawOnto(tile); });
}

void TTileRenderer::RenderTile(
    TRegion& region, const RegionColours& colours, bool isCurrent, QImage& tile)
{
    Draw(region, colours, isCurrent, tile);
    if (FOptions.TileSize < kMinTextTileSize)
        return;
    FText.Write(TextLinesOf(region, FOptions.HideNames, FOptions.HideCoordinates),
        FOptions.TextStyle, tile, FMaxNameWidth);
}

} // namespace maprune
