// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/party_palette.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace maprune {

namespace {

int64_t SquaredDistance(Rgb a, Rgb b)
{
    int64_t sum = 0;
    for (int shift : { 16, 8, 0 }) {
        const int64_t d = static_cast<int64_t>((a >> shift) & 0xFF) - ((b >> shift) & 0xFF);
        sum += d * d;
    }
    return sum;
}

std::array<Rgb, kPartyColourCount> MakePalette()
{
    constexpr std::array<Rgb, 5> kLevels { 0x00, 0x40, 0x80, 0xC0, 0xFF };
    constexpr std::array<Rgb, 5> kExcluded { 0x000000, 0x808080, 0x404040, 0xFFFFFF, 0xFF0000 };
    std::vector<Rgb> candidates;
    for (Rgb r : kLevels) {
        for (Rgb g : kLevels) {
            for (Rgb b : kLevels) {
                const Rgb c = (r << 16) | (g << 8) | b;
                if (std::find(kExcluded.begin(), kExcluded.end(), c) == kExcluded.end())
                    candidates.push_back(c);
            }
        }
    }
    std::vector<bool> used(candidates.size(), false);
    // The smallest distance of each candidate to the colours chosen so far.
    std::vector<int64_t> nearest(candidates.size(), 16777215);

    std::array<Rgb, kPartyColourCount> palette {};
    Rgb next = 0x0000FF;
    for (size_t n = 0; n < palette.size(); ++n) {
        const Rgb chosen = next;
        palette[n] = chosen;
        const auto at
            = std::find(candidates.begin(), candidates.end(), chosen) - candidates.begin();
        used[static_cast<size_t>(at)] = true;
        int64_t bestDistance = -1;
        for (size_t i = 0; i < candidates.size(); ++i) {
            nearest[i] = std::min(nearest[i], SquaredDistance(candidates[i], chosen));
            if (!used[i] && nearest[i] > bestDistance) {
                bestDistance = nearest[i];
                next = candidates[i];
            }
        }
    }
    return palette;
}

} // namespace

const std::array<Rgb, kPartyColourCount>& PartyPalette()
{
    static const std::array<Rgb, kPartyColourCount> palette = MakePalette();
    return palette;
}

Rgb PartyColourCursor::Next()
{
    const Rgb colour = PartyPalette()[FIndex];
    FIndex = (FIndex + 1) % kPartyColourCount;
    return colour;
}

} // namespace maprune
