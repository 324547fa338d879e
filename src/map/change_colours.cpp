// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/change_colours.h"

#include <array>

namespace maprune {

namespace {

struct WeightLook {
    Rgb Colour;
    const char* Text;
};

// Light grey leaves the unchanged regions quiet; the three weights climb
// from yellow over orange to red.
constexpr std::array<WeightLook, kChangeWeightCount> kLooks { {
    { 0xC0C0C0, "keine Veränderung" },
    { 0xFFFF80, "Werte und Größen" },
    { 0xFF9020, "Kommen und Gehen" },
    { 0xE00000, "stärkste Partei" },
} };

} // namespace

Rgb ChangeWeightColour(ChangeWeight weight)
{
    return kLooks[static_cast<size_t>(weight)].Colour;
}

std::optional<ChangeWeight> ChangeWeightOfColour(Rgb colour)
{
    for (size_t i = 0; i < kLooks.size(); ++i) {
        if (kLooks[i].Colour == colour)
            return static_cast<ChangeWeight>(i);
    }
    return std::nullopt;
}

const char* ChangeWeightText(ChangeWeight weight)
{
    return kLooks[static_cast<size_t>(weight)].Text;
}

std::vector<LegendEntry> ChangeLegend()
{
    std::vector<LegendEntry> legend;
    for (const WeightLook& look : kLooks)
        legend.push_back({ look.Text, look.Colour });
    return legend;
}

} // namespace maprune
