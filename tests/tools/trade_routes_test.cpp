// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "map/test_world.h"
#include "model/game_data_fixtures.h"
#include "tools/literal_route.h"
#include "tools/random_world.h"
#include "tools/trade/trade_routes.h"

namespace maprune {
namespace {

using maptest::MakeTerrain;
using test::MakeRecord;

// Luxuries of one GE (Balsam, Seide, Juwel, Oel) and the castle type
// (building number 13), installed while the object lives.
class TradeGameData {
public:
    TradeGameData()
    {
        std::vector<GameRecord> records;
        for (const char* good : { "Balsam", "Seide", "Juwel", "Oel" }) {
            GameRecord item = MakeRecord(KindItem, good, good, good);
            item.SetInt32(20, 1);
            item.SetInt32(24, 1);
            records.push_back(item);
        }
        GameRecord castle = MakeRecord(KindBuilding, "Burg", "Burgen", "Burg");
        castle.SetByte(201, 13);
        records.push_back(castle);
        SetGameData(std::make_unique<GameData>(std::move(records)));
    }
    ~TradeGameData() { SetGameData(nullptr); }
    TradeGameData(const TradeGameData&) = delete;
    TradeGameData& operator=(const TradeGameData&) = delete;
};

class TradeWorld {
public:
    TRegion& Market(int x, const std::string& name, int peasants, std::vector<TPrice> prices)
    {
        TRegion& region = FWorld.AddRegion(x, 0, 0, &FLand);
        region.Terrain = "Ebene";
        region.Name = name;
        region.Peasants->AddValue(1, peasants);
        region.Prices->Entries = std::move(prices);
        return region;
    }
    void AddCastle(TRegion& region)
    {
        auto building = CreateEmpty<TBuilding>(&Report());
        building->Type_ = "Burg";
        region.Buildings->Add(std::move(building));
    }
    TReport& Report() { return FWorld.Report(); }

private:
    TradeGameData FData;
    GameRecord FLand = MakeTerrain(100, false);
    maptest::TestWorld FWorld;
};

std::vector<std::string> Lines(TReport& report, const TradeInputs& inputs)
{
    std::vector<std::string> lines;
    for (const TradeRoute& route : FindTradeRoutes(report, inputs).Routes)
        lines.push_back(route.Line);
    return lines;
}

TradeInputs AllRoutes(TravelMode mode)
{
    TradeInputs inputs;
    inputs.Mode = mode;
    inputs.MinimumProfit = 0;
    return inputs;
}

TEST(TradeRoutes, LineOfARouteWithoutTravel)
{
    TradeWorld world;
    world.Market(0, "Kauf", 500, { { -10, "Balsam" } });
    world.Market(1, "Verkauf", 300, { { 30, "Balsam" } });
    // Mode 3: no transport cost, 10 silver per started ten pieces and side.
    EXPECT_EQ(Lines(world.Report(), AllRoutes(TravelMode::None)),
        (std::vector<std::string> { "Balsam von Ebene von Kauf (0,0) nach Ebene von Verkauf (1,0); "
                                    "Menge: 3; Kaufpreis: 10 Silber; Verkaufspreis: 30 Silber; "
                                    "Zeit für Route: 0; Gewinn:  40.00 Silber bei 3 "
                                    "Luxusgütern; Rentabilittät: 133.33%" }));
    // Walking one turn adds the cost unit of 3 GE.
    TradeInputs walking = AllRoutes(TravelMode::Walk);
    walking.DecimalSeparator = ',';
    const std::vector<std::string> lines = Lines(world.Report(), walking);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("Zeit für Route: 1; Gewinn:  30,00 Silber bei 3 Luxusgütern; "
                            "Rentabilittät: 100,00%"),
        std::string::npos)
        << lines[0];
}

TEST(TradeRoutes, WhichRegionsAndGoodsPair)
{
    TradeWorld world;
    world.Market(0, "Arm", 99, { { -10, "Balsam" }, { 90, "Seide" } });
    world.Market(1, "Knapp", 100, { { 40, "Seide" }, { 40, "Balsam" } });
    world.Market(2, "Beide", 5000, { { -5, "Seide" }, { -50, "Balsam" }, { 10, "Seide" } });
    world.Market(3, "Gleich", 5000, { { 10, "Seide" }, { 10, "balsam" } });
    const std::vector<std::string> lines = Lines(world.Report(), AllRoutes(TravelMode::None));
    // Arm takes no part; both selling Balsam, an equal price and another
    // spelling never pair; Knapp trades one piece at most.
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("Seide von Ebene von Beide (2,0) nach Ebene von Gleich", 0), 0u);
    EXPECT_EQ(lines[1].rfind("Seide von Ebene von Beide (2,0) nach Ebene von Knapp", 0), 0u);
    EXPECT_NE(lines[1].find("Menge: 1;"), std::string::npos) << lines[1];
}

TEST(TradeRoutes, SortingAndTheMinimumProfit)
{
    TradeWorld world;
    world.Market(0, "A", 2000, { { -10, "Balsam" } });
    world.Market(2, "Mitte", 2000, { { 20, "Balsam" } });
    world.Market(1, "Nah", 2000, { { 20, "Balsam" } });
    world.Market(3, "Fern", 2000, { { 40, "Balsam" } });
    TradeInputs inputs = AllRoutes(TravelMode::Walk);
    inputs.SilverPerCostUnit = 0;
    const auto buyers = [&](const TradeInputs& in) {
        std::string order;
        for (const std::string& line : Lines(world.Report(), in))
            order += line.substr(line.find("nach Ebene von ") + 15, 1);
        return order;
    };
    EXPECT_EQ(buyers(inputs), "FNM");
    // Without the time Mitte and Nah tie: the order found.
    inputs.SortOrder = { TradeCriterion::Profit, TradeCriterion::Return };
    EXPECT_EQ(buyers(inputs), "FMN");
    inputs.SortOrder = { TradeCriterion::Duration, TradeCriterion::Profit, TradeCriterion::Return };
    EXPECT_EQ(buyers(inputs), "NMF");
    inputs.MinimumProfit = 161;
    EXPECT_EQ(buyers(inputs), "F");
    inputs.MinimumProfit = 600;
    EXPECT_EQ(buyers(inputs), "");
}

TEST(TradeRoutes, CastlesAndRefusedInputs)
{
    TradeWorld world;
    TRegion& a = world.Market(0, "A", 2000, { { -10, "Balsam" } });
    TRegion& b = world.Market(1, "B", 2000, { { 20, "Balsam" } });
    TradeInputs inputs = AllRoutes(TravelMode::None);
    inputs.CastlesOnly = true;
    world.AddCastle(a);
    EXPECT_TRUE(Lines(world.Report(), inputs).empty());
    world.AddCastle(b);
    EXPECT_EQ(Lines(world.Report(), inputs).size(), 1u);

    const struct {
        double TradeInputs::*Field;
        const char* Message;
    } refused[] = {
        { &TradeInputs::BuyerTalent, "Das Handeln-Talent des Käufers muss größer als 0 sein." },
        { &TradeInputs::SellerTalent, "Das Handeln-Talent des Verkäufers muss größer als 0 sein." },
        { &TradeInputs::WeightUnitsPerCostUnit,
            "Die Gewichtseinheiten je Kosteneinheit müssen größer als 0 sein." },
    };
    for (const auto& c : refused) {
        TradeInputs zero = inputs;
        zero.*c.Field = 0;
        try {
            FindTradeRoutes(world.Report(), zero);
            ADD_FAILURE() << c.Message;
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.Message);
        }
    }
    // A ship speed out of range finds no route at all.
    inputs.Mode = TravelMode::Ship;
    inputs.ShipSpeed = 9;
    EXPECT_TRUE(Lines(world.Report(), inputs).empty());
}

TEST(TradeRoutes, FastSearchGivesTheLiteralLines)
{
    TradeGameData data;
    size_t lines = 0;
    for (uint32_t seed = 700; seed < 760; ++seed) {
        test::RandomWorld world(seed, 4 + static_cast<int>(seed % 4));
        TradeInputs inputs;
        inputs.Mode = static_cast<TravelMode>(seed % 4);
        inputs.ShipSpeed = 1 + static_cast<int>(seed % 3);
        inputs.MinimumProfit = world.Between(0, 60);
        inputs.FixedCostPerTurn = world.Between(0, 5);
        inputs.BuyerTalent = world.Between(1, 3);
        if (seed % 5 == 0)
            inputs.SortOrder = { TradeCriterion::Duration, TradeCriterion::Return };
        const std::vector<std::string> expected = literal::TradeLines(world.Report(), inputs);
        EXPECT_EQ(Lines(world.Report(), inputs), expected) << "seed " << seed;
        lines += expected.size();
    }
    EXPECT_GT(lines, 100u);
}

TEST(TradeRoutes, StopsWhenAskedTo)
{
    TradeWorld world;
    world.Market(0, "A", 2000, { { -10, "Balsam" } });
    world.Market(1, "B", 2000, { { 20, "Balsam" } });
    int calls = 0;
    const TradeSearchResult result
        = FindTradeRoutes(world.Report(), AllRoutes(TravelMode::Walk), [&](int done, int total) {
              ++calls;
              EXPECT_EQ(total, 2);
              return done < 1;
          });
    EXPECT_TRUE(result.Cancelled);
    EXPECT_TRUE(result.Routes.empty());
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace maprune
