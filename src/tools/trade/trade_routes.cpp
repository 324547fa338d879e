// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/trade/trade_routes.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>

#include "core/error.h"
#include "core/text_encoding.h"
#include "model/game_data.h"
#include "model/report.h"
#include "tools/route/route_graph.h"
#include "tools/trade/trade_profit.h"

namespace maprune {

namespace {

constexpr int kCastleNumber = 13;

bool HasCastle(const TRegion& region)
{
    GameData& game = GameDataInstance();
    for (const TBuilding* building : *region.Buildings) {
        if (building != nullptr
            && game.GetItem(building->Type_, kinds::Building).BuildingNumber() == kCastleNumber)
            return true;
    }
    return false;
}

struct TradeRegion {
    TRegion* Region;
    int32_t Index; // in the route graph
    std::string Text; // RegionDescription
};

// The weight of one piece by good, looked up on first use.
class PieceWeights {
public:
    double Of(const std::string& good)
    {
        auto found = FWeights.find(good);
        if (found == FWeights.end())
            found = FWeights
                        .emplace(good, GameDataInstance().GetItem(good, kinds::ItemOnly).PieceWeight())
                        .first;
        return found->second;
    }

private:
    std::map<std::string, double> FWeights;
};

// The travel times from one buy region, or none when the mode's speeds
// are out of range (every route search would fail).
class TravelTimes {
public:
    TravelTimes(const RouteGraph& graph, const TradeInputs& inputs)
        : FMode(inputs.Mode)
        , FRules(TravelRules(inputs))
        , FSearch(graph)
    {
        try {
            CheckRouteRules(FRules);
            FValid = true;
        } catch (const Error&) {
            FValid = false;
        }
    }

    void From(int32_t buyRegion)
    {
        if (FMode != TravelMode::None && FValid)
            FSearch.Run(buyRegion, FRules, RouteGraph::kNone);
    }

    std::optional<int32_t> To(int32_t sellRegion) const
    {
        if (FMode == TravelMode::None)
            return 0;
        if (!FValid)
            return std::nullopt;
        const int32_t cost = FSearch.TargetDistance(sellRegion);
        if (cost >= kUnreachableCost)
            return std::nullopt;
        return TurnsOfCost(cost);
    }

private:
    TravelMode FMode;
    RouteRules FRules;
    RouteSearch FSearch;
    bool FValid = false;
};

bool GreaterKeys(const TradeRoute& a, const TradeRoute& b)
{
    for (size_t i = 0; i < a.Keys.size(); ++i) {
        if (a.Keys[i] != b.Keys[i])
            return a.Keys[i] > b.Keys[i];
    }
    return false;
}

} // namespace

bool QualifiesForTrade(const TRegion& region, bool castlesOnly)
{
    return !region.Prices->Entries.empty() && region.Peasants->CurrentValue() > 99
        && (!castlesOnly || HasCastle(region));
}

TradeSearchResult FindTradeRoutes(
    TReport& report, const TradeInputs& inputs, const TradeProgress& progress)
{
    CheckTradeInputs(inputs);
    const RouteGraph graph(report);
    std::vector<TradeRegion> regions;
    for (int32_t i = 0; i < graph.Count(); ++i) {
        TRegion* region = graph.Region(i);
        if (QualifiesForTrade(*region, inputs.CastlesOnly))
            regions.push_back({ region, i, RegionDescription(region) });
    }
    PieceWeights weights;
    TravelTimes times(graph, inputs);
    TradeSearchResult result;
    for (size_t b = 0; b < regions.size(); ++b) {
        const TradeRegion& buy = regions[b];
        times.From(buy.Index);
        for (const TPrice& offer : buy.Region->Prices->Entries) {
            // The lowest int32 has no positive counterpart; no market asks it.
            if (offer.Price >= 0 || offer.Price == std::numeric_limits<int32_t>::min())
                continue;
            for (const TradeRegion& sell : regions) {
                if (sell.Region == buy.Region)
                    continue;
                const std::optional<int32_t> turns = times.To(sell.Index);
                if (!turns)
                    continue;
                for (const TPrice& demand : sell.Region->Prices->Entries) {
                    if (demand.Price <= -offer.Price || demand.Item != offer.Item)
                        continue;
                    TradeDeal deal;
                    deal.Limit = std::min(buy.Region->Peasants->CurrentValue(),
                                     sell.Region->Peasants->CurrentValue())
                        / 100;
                    deal.BuyPrice = -offer.Price;
                    deal.SellPrice = demand.Price;
                    deal.Weight = weights.Of(offer.Item);
                    deal.Turns = *turns;
                    const TradeQuantity best = BestQuantity(deal, inputs);
                    if (best.Cost >= static_cast<double>(best.Margin)
                        || best.Net() < inputs.MinimumProfit)
                        continue;
                    result.Routes.push_back({ TradeLine(DisplayText(offer.Item), buy.Text,
                                                  sell.Text, deal, best, inputs.DecimalSeparator),
                        TradeKeys(best, deal, inputs) });
                }
            }
        }
        if (progress && !progress(static_cast<int>(b + 1), static_cast<int>(regions.size()))) {
            result.Routes.clear();
            result.Cancelled = true;
            return result;
        }
    }
    std::stable_sort(result.Routes.begin(), result.Routes.end(), GreaterKeys);
    return result;
}

} // namespace maprune
