// SPDX-License-Identifier: GPL-3.0-or-later
// The maprune.dat that the build writes from data/gamedata.txt, read back as
// the program reads it: the types the program relies on are there, with
// consistent values.
#include <gtest/gtest.h>

#include "model/game_data.h"
#include "support/scripted_dialogs.h"

using namespace maprune;

namespace {

class DeliveredGameData : public ::testing::Test {
protected:
    DeliveredGameData()
        : data(std::filesystem::path(MAPRUNE_BIN_DIR) / "maprune.dat", &dialogs)
    {
    }

    void SetUp() override
    {
        ASSERT_EQ(data.LoadError(), "");
        ASSERT_TRUE(dialogs.shown.empty());
    }

    test::ScriptedDialogs dialogs;
    GameData data;
};

} // namespace

TEST_F(DeliveredGameData, HasTheTerrainsTheMapNeeds)
{
    for (int n = 0; n < 16; ++n) {
        const GameRecord& t = data.GetTerrainType(n);
        EXPECT_GE(t.PictureNumber(), 0) << t.Singular;
        EXPECT_LE(t.PictureNumber(), 8) << t.Singular;
        EXPECT_TRUE(t.TerrainSet() >> n & 1) << t.Singular << " is compatible with itself";
        for (int m = 0; m < 16; ++m) {
            EXPECT_EQ(t.TerrainSet() >> m & 1, data.GetTerrainType(m).TerrainSet() >> n & 1)
                << t.Singular << " / " << data.GetTerrainType(m).Singular;
        }
    }
    const GameRecord& ocean = data.GetItem("Ozean", kinds::Terrain);
    EXPECT_TRUE(ocean.IsWater());
    EXPECT_EQ(ocean.PictureNumber(), 0);
    EXPECT_FALSE(data.GetItem("Ebene", kinds::Terrain).IsWater());
    const GameRecord& mountains = data.GetItem("Berge", kinds::Terrain);
    EXPECT_TRUE(mountains.CanHoldIron());
    EXPECT_TRUE(mountains.CanHoldLaen());
    const GameRecord& glacier = data.GetItem("Gletscher", kinds::Terrain);
    EXPECT_TRUE(glacier.CanHoldIron());
    EXPECT_FALSE(glacier.CanHoldLaen());
    // An 8-bit report's spelling finds the UTF-8 name.
    EXPECT_EQ(data.GetItem("W\xFCste", kinds::Terrain).TerrainNumber(), 4);
    EXPECT_EQ(data.GetTerrainType(8).PictureNumber(), 8);
}

TEST_F(DeliveredGameData, HasTheTalentsBuildingsAndMaterialsTheProgramNames)
{
    EXPECT_EQ(data.GetTalentType(3).Singular, "Bergbau");
    EXPECT_EQ(data.GetTalentType(8).Singular, "Holzfällen");
    EXPECT_EQ(data.GetTalentType(13).Singular, "Reiten");
    EXPECT_EQ(data.GetTalentType(23).Singular, "Tarnung");
    for (int t = 0; t < 28; ++t)
        EXPECT_NO_THROW(data.GetTalentType(t)) << t;
    EXPECT_EQ(data.GetBuildingType(13).Singular, "Burg");
    EXPECT_EQ(data.GetItem("Turm", kinds::Building).BuildingNumber(), 13);
    for (int m = 0; m < 7; ++m)
        EXPECT_EQ(data.GetMaterialType(m).ItemClass(), 3) << m;
    EXPECT_EQ(data.NameForm("Stein", kinds::Items, NameFormForCount(2)), "Steine");
}

TEST_F(DeliveredGameData, HasWeightsForTheUnitLoads)
{
    const GameRecord& silver = data.GetItem("Silber", kinds::Items);
    EXPECT_DOUBLE_EQ(silver.PieceWeight(), 0.01);
    const GameRecord& horse = data.GetItem("Pferde", kinds::Items);
    const GameRecord& cart = data.GetItem("Wagen", kinds::Items);
    for (const GameRecord* r : { &silver, &horse, &cart }) {
        EXPECT_NE(r->ItemClass(), 0) << r->Singular;
        EXPECT_NE(r->ItemClass(), 3) << r->Singular;
    }
    EXPECT_GT(horse.PieceWeight(), 0);
    EXPECT_GT(cart.Capacity(), 2 * horse.Capacity());
    EXPECT_EQ(data.GetItem("Schwert", kinds::Items).ItemClass(), 0);
    EXPECT_EQ(data.GetItem("Öl", kinds::Items).PieceWeight(), 1.0);

    const GameRecord& trolls = data.GetItem("Trolle", kinds::ItemsAndRaces);
    EXPECT_EQ(trolls.Kind(), KindRace);
    EXPECT_GT(trolls.PersonCapacity(), data.GetItem("Menschen", kinds::Race).PersonCapacity());
    for (size_t i = 0; i < data.Count(); ++i) {
        const GameRecord& r = data.Record(i);
        if (r.Kind() == KindRace) {
            EXPECT_GT(r.PersonWeight(), 0) << r.Singular;
            EXPECT_EQ(data.NameForm(r.Singular, kinds::Race, 1), r.Plural);
        }
    }
}
