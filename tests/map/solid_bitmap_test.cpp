// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "map/solid_bitmap.h"
#include "model/region.h"

using namespace maprune;

namespace {

std::vector<std::string> Names(const TXSolidBitmap& bitmap)
{
    std::vector<std::string> names;
    for (const auto& share : bitmap.Shares())
        names.push_back(share.Name + "=" + std::to_string(share.Count));
    return names;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(TXSolidBitmap, SumsByColourAndKeepsLargestFirst)
{
    TXSolidBitmap shares;
    shares.AddShare(0x0000FF, 5, "A", 3);
    shares.AddShare(0xFFFF00, 9, "B", 3);
    EXPECT_EQ(Names(shares), (Strings { "B=9", "A=5" }));
    // A second party of A's alliance: one share of 12, moved up.
    shares.AddShare(0x0000FF, 7, "A2", 3);
    EXPECT_EQ(Names(shares), (Strings { "A=12", "B=9" }));
    // A later share of equal count stays behind.
    shares.AddShare(0x00FF00, 12, "C", 3);
    EXPECT_EQ(Names(shares), (Strings { "A=12", "C=12", "B=9" }));
    shares.AddShare(0x808000, 10, "D", 3);
    EXPECT_EQ(Names(shares), (Strings { "A=12", "C=12", "D=10", "B=9" }));
    // Growing B past D and C but not past A of equal count.
    shares.AddShare(0xFFFF00, 3, "B", 3);
    EXPECT_EQ(Names(shares), (Strings { "A=12", "C=12", "B=12", "D=10" }));
    EXPECT_EQ(shares.NamesText(), "A, C, B, D");
}

TEST(TXSolidBitmap, TurnsDecideWhichSharesCount)
{
    TXSolidBitmap shares;
    shares.AddShare(0x0000FF, 5, "A", 4);
    // Older turn: ignored.
    shares.AddShare(0x00FF00, 50, "old", 3);
    EXPECT_EQ(Names(shares), (Strings { "A=5" }));
    // Newer turn: drops the older shares first.
    shares.AddShare(0x00FF00, 2, "new", 6);
    EXPECT_EQ(Names(shares), (Strings { "new=2" }));
    // Even with nothing to add.
    shares.AddShare(0xFF00FF, 0, "empty", 7);
    EXPECT_TRUE(shares.Shares().empty());
    // Negative counts change nothing, not even the turn.
    shares.AddShare(0x0000FF, 1, "A", 7);
    shares.AddShare(0x00FF00, -1, "neg", 9);
    EXPECT_EQ(Names(shares), (Strings { "A=1" }));
}

TEST(TXSolidBitmap, CountsSaturateInsteadOfOverflowing)
{
    TXSolidBitmap shares;
    shares.AddShare(0x0000FF, std::numeric_limits<int32_t>::max(), "A", 1);
    shares.AddShare(0x0000FF, 10, "A", 1);
    EXPECT_EQ(shares.Shares().front().Count, std::numeric_limits<int32_t>::max());
}

TEST(TXSolidBitmap, TemplateUsesTheSevenLargestShares)
{
    TXSolidBitmap shares;
    EXPECT_EQ(shares.NamesText(), "--- undefiniert/unbekannt ---");
    PoliticTemplate none = shares.Template(0);
    EXPECT_EQ(none.Picture, 31);
    EXPECT_EQ(none.ShareCount, 1);
    EXPECT_EQ(none.Fill[0], 0x404040u);
    EXPECT_EQ(none.Outline, 0x808080u);

    for (int i = 0; i < 10; ++i)
        shares.AddShare(static_cast<Rgb>(i + 1), 100 - i, "P" + std::to_string(i), 2);
    const PoliticTemplate seven = shares.Template(TagSelected | TagDrawn);
    EXPECT_EQ(seven.Picture, 37);
    EXPECT_EQ(seven.ShareCount, 7);
    EXPECT_EQ(seven.Fill, (std::array<Rgb, 7> { 1, 2, 3, 4, 5, 6, 7 }));
    EXPECT_EQ(seven.Outline, 0xFFFFFFu);
    EXPECT_EQ(shares.NamesText(), "P0, P1, P2, P3, P4, P5, P6, P7, P8, P9");

    TXSolidBitmap two;
    two.AddShare(0xABCDEF, 1, "x", 1);
    two.AddShare(0x123456, 2, "y", 1);
    const PoliticTemplate pair = two.Template(TagScratch);
    EXPECT_EQ(pair.Picture, 32);
    EXPECT_EQ(pair.Fill[0], 0x123456u);
    EXPECT_EQ(pair.Fill[1], 0xABCDEFu);
    EXPECT_EQ(pair.Fill[2], 0u);
    EXPECT_EQ(pair.Outline, 0x808080u);

    two.Clear();
    EXPECT_TRUE(two.Shares().empty());
}
