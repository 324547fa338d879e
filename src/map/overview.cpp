// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/overview.h"

#include <algorithm>

#include "map/geographic.h"
#include "map/map_state.h"
#include "model/game_data.h"
#include "model/report.h"

namespace maprune {

namespace {

Rgb Halved(Rgb colour)
{
    return (colour >> 1) & 0x7F7F7F;
}

Rgb GeographicColour(TRegion& region, int32_t turn, const OverviewOptions& options)
{
    const GameRecord* terrain = region.EffectiveTerrainType();
    const Rgb colour = terrain != nullptr ? terrain->OverviewColour() & 0xFFFFFF : 0;
    const bool outdated = UpdateOutdated(region, turn, options.FowMode);
    return outdated && options.Dimming ? Halved(colour) : colour;
}

int64_t Scaled(int64_t value, int64_t numerator, int64_t denominator)
{
    if (denominator <= 0)
        return 0;
    // Positions stay below 2^39 (tiles of 32-bit coordinates) and client
    // sizes below 2^16, so the product fits 64 bits.
    return value * numerator / denominator;
}

} // namespace

int32_t FitOverviewZoom(
    int32_t storedZoom, int64_t width, int64_t height, int64_t screenWidth, int64_t screenHeight)
{
    int64_t zoom = std::clamp(storedZoom, kMinOverviewZoom, kMaxOverviewZoom);
    if (width <= 0 || height <= 0)
        return static_cast<int32_t>(zoom);
    while (zoom <= kMaxOverviewZoom && (32 / zoom > width || 32 / zoom > height))
        ++zoom;
    while (zoom > 1 && ((screenWidth - 32) / zoom < width || (screenHeight - 32) / zoom < height))
        --zoom;
    return static_cast<int32_t>(std::clamp<int64_t>(zoom, kMinOverviewZoom, kMaxOverviewZoom));
}

OverviewPicture BuildOverviewPicture(
    TMapState& state, const OverviewBounds& bounds, const OverviewOptions& options)
{
    TReport& report = state.Report();
    OverviewPicture picture;
    const int64_t cellsWide = bounds.Width();
    const int64_t cellsHigh = bounds.Height();
    if (cellsWide <= 0 || cellsHigh <= 0)
        return picture;
    const int64_t longest = std::max(cellsWide, cellsHigh);
    picture.CellsPerPixel = (longest + kMaxOverviewSide - 1) / kMaxOverviewSide;
    picture.Width = (cellsWide + picture.CellsPerPixel - 1) / picture.CellsPerPixel;
    picture.Height = (cellsHigh + picture.CellsPerPixel - 1) / picture.CellsPerPixel;
    picture.Pixels.assign(static_cast<size_t>(picture.Width * picture.Height), 0);

    auto put = [&](int64_t column, int64_t row, Rgb colour) {
        const int64_t x = (column - bounds.Left) / picture.CellsPerPixel;
        const int64_t y = (row - bounds.Top) / picture.CellsPerPixel;
        if (x >= 0 && x < picture.Width && y >= 0 && y < picture.Height)
            picture.Pixels[static_cast<size_t>(y * picture.Width + x)] = colour;
    };
    const TRegionList& regions = *report.Regions;
    for (size_t i = 0; i < regions.Count(); ++i) {
        TRegion* region = regions[i];
        if (region == nullptr || region->CZ != report.ActiveLayer)
            continue;
        const RegionColours& colours = state.ColoursAt(i);
        Rgb colour = colours.MapColor & 0xFFFFFF;
        if (options.Mode == MapMode::Geographic) {
            colour = GeographicColour(*region, report.Turn, options);
        } else if (options.Mode == MapMode::Political) {
            const auto& shares = colours.PoliticShares.Shares();
            colour = shares.empty() ? kNoValueColour : shares.front().Colour & 0xFFFFFF;
        }
        const MapPoint cell = RegionToOverviewCell(region->CX, region->CY);
        put(cell.X, cell.Y, colour);
        put(cell.X + 1, cell.Y, colour);
    }
    return picture;
}

MapRect OverviewFrame(const MapViewState& view, int64_t clientWidth, int64_t clientHeight)
{
    const int64_t spanX = view.ViewWidth + view.Horizontal.Maximum;
    const int64_t spanY = view.ViewHeight + view.Vertical.Maximum;
    const int64_t left = view.Horizontal.Position;
    const int64_t top = view.Vertical.Position;
    return { Scaled(left, clientWidth, spanX), Scaled(top, clientHeight, spanY),
        Scaled(left + view.ViewWidth, clientWidth, spanX),
        Scaled(top + view.ViewHeight, clientHeight, spanY) };
}

MapPoint OverviewScrollTarget(
    const MapViewState& view, MapPoint point, int64_t clientWidth, int64_t clientHeight)
{
    auto target = [](int64_t at, int64_t size, int64_t maximum) -> int64_t {
        if (size <= 1)
            return 0;
        const int64_t limited = std::clamp<int64_t>(at, 0, size - 1);
        return static_cast<int64_t>(static_cast<double>(limited) / static_cast<double>(size - 1)
            * static_cast<double>(maximum));
    };
    return { target(point.X, clientWidth, view.Horizontal.Maximum),
        target(point.Y, clientHeight, view.Vertical.Maximum) };
}

} // namespace maprune
