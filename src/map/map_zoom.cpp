// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_zoom.h"

#include <algorithm>
#include <array>

#include "map/hex_geometry.h"

namespace maprune {

namespace {

constexpr std::array<int64_t, 9> kSteps = { 8, 12, 16, 24, 32, 48, 64, 96, 128 };

} // namespace

int64_t ValidTileSize(int64_t stored)
{
    if (stored < kMinTileSize || stored > kMaxTileSize)
        return kTileSize;
    return stored / 4 * 4;
}

int64_t WholeLayerTileSize(const MapExtent& extent, int64_t viewWidth, int64_t viewHeight)
{
    if (extent.MapWidth <= 0 || extent.MapHeight <= 0)
        return kTileSize;
    for (int64_t size = kTileSize; size > kMinTileSize; size -= 4) {
        if (ZoomedLength(extent.MapWidth, size) <= viewWidth
            && ZoomedLength(extent.MapHeight, size) <= viewHeight)
            return size;
    }
    return kMinTileSize;
}

int64_t NextTileSize(int64_t current, int direction, int64_t wholeLayer)
{
    if (direction > 0) {
        for (int64_t step : kSteps) {
            if (step > current)
                return step;
        }
        return std::max(current, kMaxTileSize);
    }
    if (current <= wholeLayer)
        return current;
    int64_t next = wholeLayer;
    for (int64_t step : kSteps) {
        if (step < current && step > wholeLayer)
            next = step;
    }
    return next;
}

} // namespace maprune
