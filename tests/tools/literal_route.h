// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The route search, the optimiser and the trade-route search written step by
// step as the program's rules state them, with no shortcut: every pass walks
// all regions twice, every leg and every pair gets a search of its own, the
// permutations are decoded one by one and the lines are picked best first
// over and over. The fast code is compared against these; the benchmarks
// time them.

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/error.h"
#include "model/game_data.h"
#include "model/report.h"
#include "tools/trade/trade_profit.h"
#include "tools/trade/trade_routes.h"

namespace maprune::literal {

constexpr int32_t kUnreachable = 436800;

struct Route {
    bool Failed = true;
    int32_t Cost = kUnreachable;
    std::string Path;
    int32_t Turns() const { return (Cost + 839) / 840; }
};

inline bool Ocean(const TRegion& region)
{
    const GameRecord* terrain = region.EffectiveTerrainType();
    return terrain != nullptr && terrain->ByteAt(24) != 0;
}

inline bool FullStreet(const TRegion& region)
{
    return region.Street->CurrentValue() == 100;
}

inline void LinkAll(TReport& report)
{
    for (TRegion* region : *report.Regions)
        region->LinkNeighbours();
}

// One search. The neighbour links must be set (LinkAll).
inline Route SearchRoute(TReport& report, const std::vector<TRegion*>& avoid, int streetSpeed,
    int speed, bool overOcean, TRegion* to, TRegion* from)
{
    if (speed < 1 || speed > 8)
        throw Error("TRoute.Create: ASpeed1 (" + std::to_string(speed)
            + ") is out of range (1 to 8)");
    const int second = overOcean ? speed : streetSpeed;
    if (second < 1 || second > 8)
        throw Error("TRoute.Create: ASpeed2 (" + std::to_string(second)
            + ") is out of range (1 to 8)");
    enum : uint8_t { Next = 1, Current = 2, Done = 4 };
    std::vector<TRegion*> regions(report.Regions->begin(), report.Regions->end());
    std::unordered_map<const TRegion*, size_t> index;
    for (size_t i = 0; i < regions.size(); ++i)
        index.emplace(regions[i], i);
    std::vector<int32_t> distance(regions.size(), kUnreachable);
    std::vector<std::string> path(regions.size());
    std::vector<uint8_t> marks(regions.size(), 0);
    const size_t start = index.at(from);
    distance[start] = 0;
    marks[start] = Next;
    for (;;) {
        int counted = 0;
        for (uint8_t& m : marks) {
            if ((m & Current) != 0) {
                m = static_cast<uint8_t>((m & ~Current) | Done);
            } else if ((m & Next) != 0) {
                m = static_cast<uint8_t>((m & ~Next) | Current);
                ++counted;
            }
        }
        if (counted == 0)
            break;
        for (size_t r1 = 0; r1 < regions.size(); ++r1) {
            if ((marks[r1] & Current) == 0)
                continue;
            for (int d = 0; d < 6; ++d) {
                TRegion* neighbour = regions[r1]->Neighbours[static_cast<size_t>(d)];
                if (neighbour == nullptr
                    || std::find(avoid.begin(), avoid.end(), neighbour) != avoid.end())
                    continue;
                bool water = Ocean(*neighbour);
                if (Ocean(*regions[r1]) && overOcean && neighbour == to)
                    water = true;
                int cost;
                if (overOcean) {
                    if (!water)
                        continue;
                    cost = 840 / speed;
                } else {
                    if (water)
                        continue;
                    cost = FullStreet(*regions[r1]) && FullStreet(*neighbour) ? 840 / streetSpeed
                                                                              : 840 / speed;
                }
                const size_t r2 = index.at(neighbour);
                if (distance[r1] + cost < distance[r2]) {
                    path[r2] = path[r1] + static_cast<char>('A' + d);
                    distance[r2] = distance[r1] + cost;
                    marks[r2] |= Next;
                }
            }
        }
    }
    const size_t target = index.at(to);
    Route route;
    route.Failed = distance[target] >= kUnreachable;
    route.Cost = distance[target];
    route.Path = path[target];
    return route;
}

inline int32_t Factorial(int n)
{
    return n <= 1 ? 1 : n * Factorial(n - 1);
}

// Reorders a run between start and end; nullopt-like empty result when a leg
// has no route.
inline bool ReorderRun(TReport& report, const std::vector<TRegion*>& avoid, int streetSpeed,
    int speed, TRegion* start, std::vector<TRegion*>& run, TRegion* end)
{
    const bool ship = streetSpeed == 0;
    const size_t n = run.size();
    std::vector<int32_t> s(n), e(n);
    std::vector<std::vector<int32_t>> m(n, std::vector<int32_t>(n, 0));
    const auto turns = [&](TRegion* to, TRegion* from, int32_t& out) {
        const Route route = SearchRoute(report, avoid, streetSpeed, speed, ship, to, from);
        out = route.Turns();
        return !route.Failed;
    };
    for (size_t i = 0; i < n; ++i) {
        if (!turns(run[i], start, s[i]) || !turns(end, run[i], e[i]))
            return false;
        for (size_t j = 0; j < n; ++j) {
            if (j != i && !turns(run[j], run[i], m[i][j]))
                return false;
        }
    }
    std::vector<int> best;
    int64_t bestCost = 0;
    for (int32_t k = 0; k < Factorial(static_cast<int>(n)); ++k) {
        std::vector<int> list;
        for (size_t i = 0; i < n; ++i)
            list.push_back(static_cast<int>(i));
        std::vector<int> p(n);
        int32_t rest = k;
        for (int place = static_cast<int>(n) - 1; place >= 0; --place) {
            const int32_t f = Factorial(place);
            const auto at = static_cast<size_t>(rest / f);
            p[static_cast<size_t>(place)] = list[at];
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
            rest %= f;
        }
        int64_t cost = s[static_cast<size_t>(p[0])] + e[static_cast<size_t>(p[n - 1])];
        for (size_t i = 0; i + 1 < n; ++i)
            cost += m[static_cast<size_t>(p[i])][static_cast<size_t>(p[i + 1])];
        if (best.empty() || cost < bestCost) {
            best = p;
            bestCost = cost;
        }
    }
    std::vector<TRegion*> ordered;
    for (int i : best)
        ordered.push_back(run[static_cast<size_t>(i)]);
    run = ordered;
    return true;
}

// The optimised list, or an empty one when a leg has no route.
inline std::vector<TRegion*> Optimise(TReport& report,
    const std::vector<std::pair<TRegion*, bool>>& wayPoints, const std::vector<TRegion*>& avoid,
    int streetSpeed, int speed)
{
    std::vector<TRegion*> result;
    std::vector<TRegion*> run;
    TRegion* start = nullptr;
    for (const auto& [region, selected] : wayPoints) {
        if (selected) {
            run.push_back(region);
            continue;
        }
        if (run.size() >= 2 && !ReorderRun(report, avoid, streetSpeed, speed, start, run, region))
            return {};
        result.insert(result.end(), run.begin(), run.end());
        result.push_back(region);
        start = region;
        run.clear();
    }
    return result;
}

// The trade-route lines, best first.
inline std::vector<std::string> TradeLines(TReport& report, const TradeInputs& inputs)
{
    LinkAll(report);
    int streetSpeed = 0;
    int speed = 0;
    bool ship = false;
    switch (inputs.Mode) {
    case TravelMode::Walk:
        speed = 1;
        streetSpeed = 2;
        break;
    case TravelMode::Ride:
        speed = 2;
        streetSpeed = 3;
        break;
    case TravelMode::Ship:
        speed = inputs.ShipSpeed;
        ship = true;
        break;
    case TravelMode::None:
        break;
    }
    std::vector<TRegion*> qualifying;
    for (TRegion* region : *report.Regions) {
        if (QualifiesForTrade(*region, inputs.CastlesOnly))
            qualifying.push_back(region);
    }
    std::vector<TradeRoute> kept;
    for (TRegion* buy : qualifying) {
        for (const TPrice& offer : buy->Prices->Entries) {
            if (offer.Price >= 0)
                continue;
            for (TRegion* sell : qualifying) {
                if (sell == buy)
                    continue;
                int32_t turns = 0;
                if (inputs.Mode != TravelMode::None) {
                    try {
                        const Route route
                            = SearchRoute(report, {}, streetSpeed, speed, ship, sell, buy);
                        if (route.Failed)
                            continue;
                        turns = route.Turns();
                    } catch (const Error&) {
                        continue;
                    }
                }
                for (const TPrice& demand : sell->Prices->Entries) {
                    if (demand.Price <= -offer.Price || demand.Item != offer.Item)
                        continue;
                    TradeDeal deal;
                    deal.Limit = std::min(buy->Peasants->CurrentValue(),
                                     sell->Peasants->CurrentValue())
                        / 100;
                    deal.BuyPrice = -offer.Price;
                    deal.SellPrice = demand.Price;
                    deal.Weight
                        = GameDataInstance().GetItem(offer.Item, kinds::ItemOnly).PieceWeight();
                    deal.Turns = turns;
                    const TradeQuantity best = BestQuantity(deal, inputs);
                    if (best.Cost >= static_cast<double>(best.Margin))
                        continue;
                    const std::string line = TradeLine(offer.Item, RegionDescription(buy),
                        RegionDescription(sell), deal, best, inputs.DecimalSeparator);
                    if (best.Net() >= inputs.MinimumProfit)
                        kept.push_back({ line, TradeKeys(best, deal, inputs) });
                }
            }
        }
    }
    std::vector<std::string> lines;
    while (!kept.empty()) {
        size_t best = 0;
        for (size_t i = 1; i < kept.size(); ++i) {
            if (kept[i].Keys > kept[best].Keys)
                best = i;
        }
        lines.push_back(kept[best].Line);
        kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(best));
    }
    return lines;
}

} // namespace maprune::literal
