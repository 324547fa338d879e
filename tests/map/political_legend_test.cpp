// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "map/party_palette.h"
#include "map/political_legend.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::TestWorld;

namespace {

// Summaries of parties 3, 1 (layer 0), 7, 3 (layer 1) and 0, -1 (layer 0).
void AddSummaries(TestWorld& world)
{
    TRegion& a = world.AddRegion(0, 0);
    TRegion& b = world.AddRegion(0, 0, 1);
    TRegion& c = world.AddRegion(1, 0);
    world.AddPolitic(a, 3, 1, 0, 5, 0);
    world.AddPolitic(a, 1, 1, 0, 5, 0);
    world.AddPolitic(b, 7, 1, 0, 5, 0);
    world.AddPolitic(b, 3, 2, 0, 5, 0);
    world.AddPolitic(c, 0, 1, 0, 5, 0);
    world.AddPolitic(c, -1, 1, 0, 5, 0);
}

std::vector<std::string> Texts(const PoliticalLegend& legend)
{
    std::vector<std::string> texts;
    for (const LegendEntry& entry : legend.Entries())
        texts.push_back(entry.Text);
    return texts;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(PoliticalLegend, PartiesInFirstAppearanceOrderOverAllLayers)
{
    TestWorld world;
    AddSummaries(world);
    PoliticalLegend legend;
    EXPECT_EQ(legend.Stage(), 0);
    legend.Update(world.Report(), {}, false);
    EXPECT_EQ(legend.Parties(), (std::vector<int32_t> { 3, 1, 7, 0, -1 }));
    EXPECT_EQ(legend.Stage(), 2);
}

TEST(PoliticalLegend, PartiesFromLastToFirstWithPaletteColours)
{
    TestWorld world;
    world.AddParty(3, "Drei");
    world.AddParty(7, "Sieben");
    AddSummaries(world);
    PoliticalLegend legend;
    legend.Update(world.Report(), {}, false);
    EXPECT_EQ(Texts(legend),
        (Strings { "parteigetarnte (-1)", "Monster (0)", "Sieben (7)", "unbekannte Partei (1)",
            "Drei (3)" }));
    for (size_t i = 0; i < legend.Entries().size(); ++i)
        EXPECT_EQ(legend.Entries()[i].Colour, PartyPalette()[i]);
    EXPECT_EQ(legend.PartyColour(7), (LegendEntry { "Sieben (7)", PartyPalette()[2] }));
    EXPECT_EQ(legend.PartyColour(99), (LegendEntry { "??? (this must be a bug): 99", 0x000000 }));
}

TEST(PoliticalLegend, AlliancesFirstWithTheirMembersPresent)
{
    TestWorld world;
    world.AddParty(3, "Drei");
    AddSummaries(world);
    const AllianceList alliances = {
        { "Nord", { { "Sieben", 7 }, { "Fehlt", 42 }, { "Drei", 3 } } },
        { "Leer", { { "Fehlt", 43 } } },
        { "Sued", { { "Eins", 1 }, { "Drei nochmal", 3 } } },
    };
    PoliticalLegend legend;
    legend.Update(world.Report(), alliances, true);
    EXPECT_EQ(Texts(legend),
        (Strings { "Nord (7 3)", "Sued (1)", "parteigetarnte (-1)", "Monster (0)" }));
    EXPECT_EQ(legend.PartyColour(3), legend.Entries()[0]);
    EXPECT_EQ(legend.PartyColour(7), legend.Entries()[0]);
    EXPECT_EQ(legend.PartyColour(1), legend.Entries()[1]);
    EXPECT_EQ(legend.Entries()[1].Colour, PartyPalette()[1]);

    // Switching the grouping rebuilds the legend; the same grouping keeps it.
    legend.Update(world.Report(), alliances, false);
    EXPECT_EQ(Texts(legend).front(), "parteigetarnte (-1)");
    legend.Update(world.Report(), {}, false);
    EXPECT_EQ(legend.Entries().size(), 5u);
    legend.Update(world.Report(), alliances, true);
    EXPECT_EQ(Texts(legend).front(), "Nord (7 3)");
    legend.DropLegend();
    EXPECT_EQ(legend.Stage(), 1);
    legend.Update(world.Report(), {}, true);
    EXPECT_EQ(Texts(legend).front(), "parteigetarnte (-1)");
}

TEST(PoliticalLegend, ResetForgetsThePartyList)
{
    TestWorld world;
    AddSummaries(world);
    PoliticalLegend legend;
    legend.Update(world.Report(), {}, false);
    world.AddPolitic(world.AddRegion(5, 5), 12, 1, 0, 1, 0);
    legend.Update(world.Report(), {}, false);
    EXPECT_EQ(legend.Parties().size(), 5u);
    legend.Reset();
    legend.Update(world.Report(), {}, false);
    EXPECT_EQ(legend.Parties().back(), 12);
}
