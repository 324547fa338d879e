// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/shift.h"

#include <algorithm>
#include <limits>

#include "model/report.h"

namespace maprune {

namespace {

int32_t WrappingAdd(int32_t a, int64_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

bool FitsInt16(int64_t v)
{
    return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max();
}

} // namespace

void MoveLayer(TReport& report, int32_t layer, int64_t dx, int64_t dy)
{
    for (TRegion* region : *report.Regions) {
        if (region != nullptr && region->CZ == layer) {
            region->CX = WrappingAdd(region->CX, dx);
            region->CY = WrappingAdd(region->CY, dy);
        }
    }
    // The states kept of earlier turns stay at their regions.
    const auto move = [&](auto* past) {
        if (past != nullptr && past->Z == layer) {
            past->X = WrappingAdd(past->X, dx);
            past->Y = WrappingAdd(past->Y, dy);
        }
    };
    std::for_each(report.PastObjects->begin(), report.PastObjects->end(), move);
    std::for_each(report.PastPrices->begin(), report.PastPrices->end(), move);
    report.SetIndexed(false);
}

uint32_t PackShift(Shift shift)
{
    return (static_cast<uint32_t>(static_cast<uint16_t>(shift.Dx)) << 16)
        | static_cast<uint16_t>(shift.Dy);
}

Shift UnpackShift(uint32_t packed)
{
    return Shift { static_cast<int16_t>(static_cast<uint16_t>(packed >> 16)),
        static_cast<int16_t>(static_cast<uint16_t>(packed & 0xFFFFu)) };
}

std::optional<Shift> MakeShift(int64_t dx, int64_t dy)
{
    if (!FitsInt16(dx) || !FitsInt16(dy))
        return std::nullopt;
    return Shift { static_cast<int16_t>(dx), static_cast<int16_t>(dy) };
}

void ShiftLayer(TReport& report, int32_t layer, Shift shift)
{
    MoveLayer(report, layer, shift.Dx, shift.Dy);
}

void SetOrigin(TReport& report, int32_t x, int32_t y)
{
    if (x == 0 && y == 0)
        return;
    MoveLayer(report, report.ActiveLayer, -static_cast<int64_t>(x), -static_cast<int64_t>(y));
}

std::optional<std::pair<int32_t, int32_t>> OriginPreset(const TReport& report)
{
    const TRegion* selected = nullptr;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr || (region->Tag() & TagSelected) == 0)
            continue;
        if (selected != nullptr)
            return std::nullopt;
        selected = region;
    }
    if (selected == nullptr)
        return std::nullopt;
    return std::make_pair(selected->CX, selected->CY);
}

} // namespace maprune
