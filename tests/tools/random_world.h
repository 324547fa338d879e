// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/report.h"

namespace maprune::test {

// A small random world for comparing the fast searches with the literal
// ones: a patch of the hex grid with holes, ocean, complete and partial
// streets, markets, all in a shuffled report order.
class RandomWorld {
public:
    RandomWorld(uint32_t seed, int side)
        : FRandom(seed)
    {
        FLand.SetByte(16, 4);
        FWater.SetByte(16, 4);
        FWater.SetByte(24, 1);
        FReport->ActiveLayer = 0;
        std::vector<std::unique_ptr<TRegion>> regions;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                if (Percent() < 8)
                    continue;
                auto region = CreateEmpty<TRegion>(FReport.get());
                region->CX = x - y / 2;
                region->CY = y;
                const bool water = Percent() < 35;
                region->TerrainType = water ? &FWater : &FLand;
                region->Terrain = water ? "Ozean" : "Ebene";
                region->Name = water ? "" : "R" + std::to_string(x) + "_" + std::to_string(y);
                if (!water) {
                    const int street = Percent();
                    if (street < 40)
                        region->Street->AddValue(1, 100);
                    else if (street < 50)
                        region->Street->AddValue(1, 60);
                    region->Peasants->AddValue(1, Between(50, 900));
                    AddPrices(*region);
                }
                regions.push_back(std::move(region));
            }
        }
        std::shuffle(regions.begin(), regions.end(), FRandom);
        for (auto& region : regions)
            FReport->Regions->Add(std::move(region));
        FReport->SetIndexed(false);
    }

    TReport& Report() { return *FReport; }
    size_t Count() const { return FReport->Regions->Count(); }
    TRegion* Region(size_t i) { return (*FReport->Regions)[i]; }
    TRegion* AnyRegion() { return Region(static_cast<size_t>(Between(0, static_cast<int>(Count()) - 1))); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(FRandom); }
    int Percent() { return Between(0, 99); }

private:
    // One good sold, most others bought; now and then a good sold twice.
    void AddPrices(TRegion& region)
    {
        static const char* const kGoods[] = { "Balsam", "Seide", "Juwel", "Oel" };
        const int sold = Between(0, 3);
        for (int g = 0; g < 4; ++g) {
            if (Percent() < 15)
                continue;
            const int price = Between(5, 60);
            region.Prices->Entries.push_back(
                { g == sold || Percent() < 10 ? -price : price, kGoods[g] });
        }
    }

    std::mt19937 FRandom;
    GameRecord FLand;
    GameRecord FWater;
    std::unique_ptr<TReport> FReport = CreateEmpty<TReport>(nullptr);
};

} // namespace maprune::test
