// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "map/test_world.h"
#include "tools/lines/line_filter.h"
#include "tools/messages/message_tabs.h"

namespace maprune {
namespace {

std::vector<std::string> Texts(const MessageTab& tab)
{
    std::vector<std::string> texts;
    for (const MessageLine& line : tab.Lines)
        texts.push_back(line.Text);
    return texts;
}

TEST(MessageTabsTest, PartyLineRule)
{
    const struct {
        const char* Line;
        const char* Text;
        std::optional<PartyCategory> Category;
    } cases[] = {
        { "! Eigenes", "Eigenes", PartyCategory::Own },
        { "I Verbündet", "Verbündet", PartyCategory::Allied },
        { "W Getarnt", "Getarnt", PartyCategory::Disguised },
        { "F Feind", "Feind", PartyCategory::Enemy },
        { "Wx bleibt", "Wx bleibt", std::nullopt },
        { "W", "W", std::nullopt },
        { "", " ", std::nullopt },
        { "W ", " ", PartyCategory::Disguised },
        // 8-bit text is decoded.
        { "Gr\xFC\xDF\x65", "Grüße", std::nullopt },
    };
    for (const auto& c : cases) {
        const MessageLine line = PartyMessageLine(c.Line);
        EXPECT_EQ(line.Text, c.Text) << c.Line;
        EXPECT_EQ(line.Category, c.Category) << c.Line;
        EXPECT_FALSE(line.Place.has_value());
    }
}

class MessageTabsWorld : public ::testing::Test {
protected:
    MessageTabsWorld()
    {
        TRegion& region = world.AddRegion(2, 3, 1);
        region.Name = "Tal";
        region.Terrain = "Ebene";
        region.Messages->Add("Botschaft");
        region.Events->Add("Ereignis");
        region.Surrounding->Add("Umgebung");
        TUnit& unit = world.AddUnit(region, 7, 1);
        unit.Name = "Hans";
        unit.Nr = 1000; // "rs" in base 36
        unit.Messages->Add("Hallo");
    }

    maptest::TestWorld world;
};

TEST_F(MessageTabsWorld, WithoutOwnPartyOnlyRegionAndUnitTabsAreFilled)
{
    world.Report().ActiveParty = 5;
    const auto tabs = MessageTabs(&world.Report());
    const std::vector<std::vector<std::string>> expected { {}, {}, {}, {}, {}, {},
        { "Ebene von Tal (2,3,1): Botschaft" },
        { "Hans (1000), befindet sich in Ebene von Tal (2,3,1): Hallo" },
        { "Ebene von Tal (2,3,1): Ereignis" }, { "Ebene von Tal (2,3,1): Umgebung" }, {} };
    for (size_t i = 0; i < tabs.size(); ++i)
        EXPECT_EQ(Texts(tabs[i]), expected[i]) << tabs[i].Caption;
    EXPECT_STREQ(tabs[0].Caption, "Meldungen");
    EXPECT_STREQ(tabs[10].Caption, "Kämpfe");
    // Region and unit lines are plain and lead back to their region.
    const MessageLine& unitLine = tabs[7].Lines.at(0);
    EXPECT_FALSE(unitLine.Category.has_value());
    ASSERT_TRUE(unitLine.Place.has_value());
    EXPECT_EQ(std::make_tuple(unitLine.Place->X, unitLine.Place->Y, unitLine.Place->Z),
        std::make_tuple(2, 3, 1));

    for (const MessageTab& tab : MessageTabs(nullptr))
        EXPECT_TRUE(tab.Lines.empty());
}

TEST_F(MessageTabsWorld, OwnPartyFillsItsSevenTabsInTableOrder)
{
    world.Report().ActiveParty = 5;
    TParty& own = world.AddParty(5, "Wir");
    TLines* sources[] = { &*own.Messages, &*own.Income, &*own.Production, &*own.Movements,
        &*own.Tradings, &*own.Events, &*own.Fights };
    for (size_t i = 0; i < std::size(sources); ++i)
        sources[i]->Add("! Zeile " + std::to_string(i));
    own.Messages->Add("");
    const auto tabs = MessageTabs(&world.Report());
    const size_t partyTabs[] = { 0, 1, 2, 3, 4, 5, 10 };
    for (size_t i = 0; i < std::size(partyTabs); ++i) {
        const MessageTab& tab = tabs[partyTabs[i]];
        ASSERT_FALSE(tab.Lines.empty()) << tab.Caption;
        EXPECT_EQ(tab.Lines[0].Text, "Zeile " + std::to_string(i));
        EXPECT_EQ(tab.Lines[0].Category, PartyCategory::Own);
    }
    EXPECT_EQ(Texts(tabs[0]), (std::vector<std::string> { "Zeile 0", " " }));
}

TEST(LineFilterTest, ContainsIgnoringCase)
{
    const struct {
        const char* Line;
        const char* Filter;
        bool Matches;
    } cases[] = { { "Die Händler kaufen", "", true }, { "Die Händler kaufen", "HÄNDLER", true },
        { "Die H\xE4ndler kaufen", "händler", true }, { "Die Händler kaufen", "verkaufen", false },
        { "", "x", false } };
    for (const auto& c : cases)
        EXPECT_EQ(LineMatchesFilter(c.Line, c.Filter), c.Matches) << c.Line << " / " << c.Filter;
}

} // namespace
} // namespace maprune
