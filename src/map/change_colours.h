// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "map/colour_scale.h"
#include "map/political_legend.h"

namespace maprune {

class TReport;

// How much changed in a region between two turns, the heaviest change
// deciding: nothing, values only, units (and buildings, ships, fights), or
// the strongest party.
enum class ChangeWeight : uint8_t { None = 0, Values = 1, Units = 2, Owner = 3 };
inline constexpr size_t kChangeWeightCount = 4;

// The map colour of a weight.
Rgb ChangeWeightColour(ChangeWeight weight);
// The weight a map colour stands for, none for another colour.
std::optional<ChangeWeight> ChangeWeightOfColour(Rgb colour);
// What the legend and the hover hint call a weight ("Einheiten").
const char* ChangeWeightText(ChangeWeight weight);
// The legend of the colouring: the four weights, lightest first.
std::vector<LegendEntry> ChangeLegend();

// The weight of each region of a report's Regions (by index), and the two
// turns compared; the tools that compare turns provide it.
struct RegionChangeWeights {
    std::vector<ChangeWeight> Weights;
    int32_t From = -1;
    int32_t To = -1;
};
using ChangeWeigher = std::function<RegionChangeWeights(const TReport&)>;

} // namespace maprune
