// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The synthetic world that crgen writes reports of, shared by the writers
// of both formats.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "bench/crgen/cr_generator.h"

namespace maprune::crgen::detail {

struct TerrainKind {
    std::string_view Name;
    int Peasants; // typical peasants of a full region
    int Trees;
    bool Mining;
};

inline constexpr std::array<TerrainKind, 8> kLand = {{{"Ebene", 3000, 200, false},
                                               {"Ebene", 2500, 100, false},
                                               {"Wald", 1800, 900, false},
                                               {"Berge", 400, 20, true},
                                               {"Hochland", 1200, 80, false},
                                               {"Sumpf", 600, 300, false},
                                               {"Wüste", 300, 0, false},
                                               {"Gletscher", 50, 0, true}}};

struct Talent {
    std::string_view Name;
    int Level;
};

struct Unit {
    int32_t Nr = 0;
    int Party = 0; // index into World::Parties
    std::string Name;
    std::string_view Race;
    int Count = 1;
    int Silver = 0;
    int FightState = 0;
    bool Guards = false;
    bool HidesParty = false;
    int32_t Building = 0;
    int32_t Ship = 0;
    std::vector<Talent> Talents;
    std::vector<std::pair<std::string_view, int>> Items;
};

struct Building {
    int32_t Nr = 0;
    std::string_view Type;
    std::string Name;
    int Size = 10;
};

struct Ship {
    int32_t Nr = 0;
    std::string_view Type;
    std::string Name;
    int Damage = 0;
    int Load = 0;
    int Coast = -1;
};

struct Region {
    int X = 0;
    int Y = 0;
    int Z = 0;
    int Terrain = -1; // index into kLand, -1 ocean, -2 fog of the second layer
    std::string Name;
    int Peasants = 0;
    int Horses = 0;
    int Trees = 0;
    int Silver = 0;
    int Wages = 11;
    int Street = 0;
    int Iron = 0;
    int Laen = 0;
    std::array<int, 7> Prices{};
    std::vector<Unit> Units;
    std::vector<Building> Buildings;
    std::vector<Ship> Ships;
};

struct Party {
    int32_t Nr = 0;
    std::string Name;
    std::string_view Race;
    std::string EMail;
    int Home = 0; // region index
};

struct World {
    std::vector<Party> Parties;
    std::vector<Region> Regions;
    std::unordered_map<int64_t, int> Index; // coordinates -> region
    int32_t NextNumber = 0;
    int GameTurn = kFirstGameTurn;
};

inline bool IsLand(const Region& r)
{
    return r.Terrain >= 0;
}

// Who looks at the world, and how the report is written.
struct View {
    int Party = 0;                 // index of the viewing party
    int Ally = 1;                  // its ally
    int ShiftX = 0;
    int ShiftY = 0;
    bool Today = false;            // format 69
    bool Utf8 = false;
    // Where today's report puts its one unknown region and unit block.
    const Region* WeatherRegion = nullptr;
    int32_t DiaryUnit = -1;
};

// How much a party learns about a region: with a friendly unit everything,
// else a glimpse, which may be some turns old.
enum class Detail { Full, Glimpse, Old };

} // namespace maprune::crgen::detail
