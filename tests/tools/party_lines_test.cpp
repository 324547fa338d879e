// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "map/map_colouring.h"
#include "map/test_world.h"
#include "model/unit.h"
#include "tools/parties/party_lines.h"

namespace maprune {
namespace {

using maptest::TestWorld;

std::vector<std::pair<int32_t, PartyCategory>> Numbers(const std::vector<CategoryLine>& lines)
{
    std::vector<std::pair<int32_t, PartyCategory>> numbers;
    for (const CategoryLine& line : lines)
        numbers.emplace_back(line.Party, line.Category);
    return numbers;
}

TEST(PartyLinesTest, AddressesByCategoryWithTheirNumbers)
{
    TestWorld world;
    world.Report().ActiveParty = 5;
    world.AddParty(9, "Neun").EMail = "neun@example.org";
    TParty& own = world.AddParty(5, "Fünf");
    own.Banner = "Hoch!";
    TestWorld::AddAlly(own, 3);
    world.AddParty(3, "Die (alten) Drei");

    const std::vector<CategoryLine> lines = AddressLines(&world.Report());
    EXPECT_EQ(Numbers(lines),
        (std::vector<std::pair<int32_t, PartyCategory>> { { 5, PartyCategory::Own },
            { 3, PartyCategory::Allied }, { 9, PartyCategory::Enemy } }));
    // The banner follows "; " only where there is one; a name with
    // parentheses keeps its number with the line.
    EXPECT_EQ(lines[0].Text, "Fünf (5), EMail: ; Hoch!");
    EXPECT_EQ(lines[1].Text, "Die (alten) Drei (3), EMail: ");
    EXPECT_EQ(lines[2].Text, "Neun (9), EMail: neun@example.org");
    EXPECT_TRUE(AddressLines(nullptr).empty());
}

TEST(PartyLinesTest, AlliesOfTheOwnPartyByNumber)
{
    TestWorld world;
    world.Report().ActiveParty = 5;
    EXPECT_TRUE(AllyLines(&world.Report()).empty()); // no own party
    TParty& own = world.AddParty(5, "Wir");
    for (int32_t nr : { 30, 7, 12 })
        TestWorld::AddAlly(own, nr);
    (*own.Allies)[1]->Name = "Sieben";
    (*own.Allies)[1]->State = 59;

    const std::vector<CategoryLine> lines = AllyLines(&world.Report());
    EXPECT_EQ(Numbers(lines),
        (std::vector<std::pair<int32_t, PartyCategory>> { { 7, PartyCategory::Allied },
            { 12, PartyCategory::Allied }, { 30, PartyCategory::Allied } }));
    EXPECT_EQ(lines[0].Text, "Sieben (7); Status: 59");
    EXPECT_TRUE(AllyLines(nullptr).empty());
}

TEST(PartyLinesTest, SpellsAndPotions)
{
    TestWorld world;
    auto spell = CreateEmpty<TSpell>(&world.Report());
    spell->Spell = "Schild~des~Glaubens";
    spell->Level = -1;
    spell->Descr = "Schützt.";
    world.Report().Spells->Add(std::move(spell));
    auto potion = CreateEmpty<TPotion>(&world.Report());
    potion->Potion = "Wasser~des~Lebens";
    potion->Level = 2;
    potion->Descr = "Belebt.";
    world.Report().Potions->Add(std::move(potion));

    EXPECT_EQ(SpellLines(&world.Report()),
        std::vector<std::string> { "Schild des Glaubens (Stufe -1); Schützt." });
    EXPECT_EQ(PotionLines(&world.Report()),
        std::vector<std::string> { "Wasser des Lebens (Stufe 2), Zutaten: ; Belebt." });
    EXPECT_TRUE(SpellLines(nullptr).empty());
}

TEST(PartyLinesTest, DeletingAPartyLeavesItsUnitsAndTheAlliesOfOthers)
{
    TestWorld world;
    world.Report().ActiveParty = 5;
    TParty& own = world.AddParty(5, "Wir");
    TestWorld::AddAlly(own, 3);
    world.AddParty(3, "Drei").Messages->Add("weg");
    world.Report().Turn = 1;
    TRegion& region = world.AddRegion(0, 0);
    TUnit& unit = world.AddUnit(region, 3, 10);
    world.AddPolitic(region, 3, 1, 0, 10, 0);
    const int32_t references = world.Report().RefCount();

    EXPECT_FALSE(DeleteParty(world.Report(), 4));
    EXPECT_TRUE(DeleteParty(world.Report(), 3));
    EXPECT_EQ(world.Report().FindParty(3), nullptr);
    EXPECT_EQ(world.Report().Parties->Count(), 1u);
    // The party, its allies list and its seven message blocks went with it.
    EXPECT_LT(world.Report().RefCount(), references);
    EXPECT_EQ(unit.Party, 3);
    EXPECT_EQ(Numbers(AllyLines(&world.Report())),
        (std::vector<std::pair<int32_t, PartyCategory>> { { 3, PartyCategory::Allied } }));
    EXPECT_EQ(AddressLines(&world.Report()).size(), 1u);
    EXPECT_FALSE(DeleteParty(world.Report(), 3));
    // The political map, rebuilt as the windows rebuild it, names the party
    // by its number alone.
    MapColouring colouring;
    colouring.ReportLoaded(world.Report());
    colouring.ComputePoliticColours(world.Map(), {}, false, PersonsMode::Persons, 1);
    EXPECT_EQ(colouring.Political().PartyColour(3).Text, "unbekannte Partei (3)");
}

} // namespace
} // namespace maprune
