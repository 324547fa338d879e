// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "map/colour_scale.h"
#include "map/party_palette.h"

using namespace maprune;

TEST(ScaleColour, SegmentBordersAndEnds)
{
    struct Case {
        double Value;
        Rgb Expected;
    };
    const std::vector<Case> cases = {
        { 0, 0x404080 },
        { 25, 0x800000 },
        { 50, 0xFF8080 },
        { 75, 0xFFFF80 },
        { 100, 0x80FF80 },
        { 12.5, 0x602040 },
        { 62.5, 0xFFBF80 },
        { 87.5, 0xBFFF80 },
        { -40, 0x404080 },
        { 400, 0x80FF80 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleColour(100, c.Value, 0), c.Expected) << c.Value;
    // A range from -300 to 100 has its borders at -200, -100 and 0.
    EXPECT_EQ(ScaleColour(100, -200, -300), 0x800000u);
    EXPECT_EQ(ScaleColour(100, 0, -300), 0xFFFF80u);
}

TEST(ScaleColour, TruncatesEachChannel)
{
    // t = 0.1: 0x40 + 0x40 * 0.4 = 89.6, 0x40 - 0x40 * 0.4 = 38.4, 0x80 - 0x80 * 0.4 = 76.8.
    EXPECT_EQ(ScaleColour(100, 10, 0), 0x59264Cu);
}

TEST(ScaleColour, EqualBoundsGiveTheStartColour)
{
    EXPECT_EQ(ScaleColour(7, 7, 7), 0x404080u);
    EXPECT_EQ(ScaleColour(-3, -3, -3), 0x404080u);
}

namespace {

size_t VisitIndex(Rgb colour)
{
    auto level = [](Rgb channel) {
        constexpr Rgb kLevels[] = { 0x00, 0x40, 0x80, 0xC0, 0xFF };
        return static_cast<size_t>(
            std::find(std::begin(kLevels), std::end(kLevels), channel) - std::begin(kLevels));
    };
    return level(colour >> 16) * 25 + level((colour >> 8) & 0xFF) * 5 + level(colour & 0xFF);
}

int SquaredDistance(Rgb a, Rgb b)
{
    int sum = 0;
    for (int shift : { 16, 8, 0 }) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        sum += d * d;
    }
    return sum;
}

} // namespace

TEST(PartyPalette, StartsBlueAndHoldsTheAllowedColoursOnce)
{
    const auto& palette = PartyPalette();
    EXPECT_EQ(palette[0], 0x0000FFu);
    EXPECT_EQ(palette[1], 0xFFFF00u);
    const std::set<Rgb> distinct(palette.begin(), palette.end());
    EXPECT_EQ(distinct.size(), 120u);
    for (Rgb excluded : { 0x000000u, 0x808080u, 0x404040u, 0xFFFFFFu, 0xFF0000u })
        EXPECT_EQ(distinct.count(excluded), 0u) << std::hex << excluded;
    for (Rgb colour : palette)
        EXPECT_LT(VisitIndex(colour), 125u) << std::hex << colour;
}

TEST(PartyPalette, EachColourIsTheFarthestFromThoseBefore)
{
    const auto& palette = PartyPalette();
    for (size_t n = 1; n < palette.size(); ++n) {
        auto nearest = [&](Rgb c) {
            int best = 16777215;
            for (size_t k = 0; k < n; ++k)
                best = std::min(best, SquaredDistance(c, palette[k]));
            return best;
        };
        const int chosen = nearest(palette[n]);
        for (size_t later = n + 1; later < palette.size(); ++later) {
            const int other = nearest(palette[later]);
            EXPECT_LE(other, chosen) << n << " " << later;
            // On a tie the candidate visited first (red outermost) wins.
            if (other == chosen) {
                EXPECT_LT(VisitIndex(palette[n]), VisitIndex(palette[later])) << n << " " << later;
            }
        }
    }
}

TEST(PartyColourCursor, WrapsAfter120AndResets)
{
    PartyColourCursor cursor;
    for (size_t i = 0; i < kPartyColourCount; ++i)
        EXPECT_EQ(cursor.Next(), PartyPalette()[i]);
    EXPECT_EQ(cursor.Next(), 0x0000FFu);
    EXPECT_EQ(cursor.Next(), 0xFFFF00u);
    cursor.Reset();
    EXPECT_EQ(cursor.Next(), 0x0000FFu);
}
