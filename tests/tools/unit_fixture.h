// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "map/test_world.h"
#include "model/game_data_fixtures.h"
#include "model/unit.h"

namespace maprune::test {

// Game data for unit figures: humans (10 GE, carry 15), trolls (20 GE,
// carry 50), horses (50 GE, carry 20), carts (40 GE, carry 140), silver
// (1/100 GE), the talents riding (13) and camouflage (23), and the
// terrains Ebene (number 1) and Nebel (number 0). Installed while the
// object lives.
class UnitGameData {
public:
    UnitGameData()
    {
        std::vector<GameRecord> records;
        records.push_back(Race("Mensch", "Menschen", 10, 15));
        records.push_back(Race("Troll", "Trolle", 20, 50));
        records.push_back(Item("Pferd", "Pferde", 50, 1, 20));
        records.push_back(Item("Wagen", "Wagen", 40, 1, 140));
        records.push_back(Item("Silber", "Silber", 1, 100, 0));
        records.push_back(Talent("Reiten", 13));
        records.push_back(Talent("Tarnung", 23));
        records.push_back(Terrain("Ebene", 1));
        records.push_back(Terrain("Nebel", 0));
        SetGameData(std::make_unique<GameData>(std::move(records)));
    }
    ~UnitGameData() { SetGameData(nullptr); }
    UnitGameData(const UnitGameData&) = delete;
    UnitGameData& operator=(const UnitGameData&) = delete;

private:
    static GameRecord Race(const std::string& one, const std::string& many, int weight, int carry)
    {
        GameRecord r = MakeRecord(KindRace, one, many, one + "|" + many);
        r.SetInt32(152, weight);
        r.SetInt32(156, 1);
        r.SetInt32(160, carry);
        r.SetInt32(164, 1);
        return r;
    }
    static GameRecord Item(
        const std::string& one, const std::string& many, int weight, int per, int carry)
    {
        GameRecord r = MakeRecord(KindItem, one, many, one + "|" + many);
        r.SetInt32(20, per);
        r.SetInt32(24, weight);
        r.SetInt32(28, carry);
        return r;
    }
    static GameRecord Talent(const std::string& name, uint8_t number)
    {
        GameRecord r = MakeRecord(KindTalent, name, name, name);
        r.SetByte(24, number);
        return r;
    }
    static GameRecord Terrain(const std::string& name, uint8_t number)
    {
        GameRecord r = MakeRecord(KindTerrain, name, name, name);
        r.SetByte(73, number);
        return r;
    }
};

// A unit of `count` persons of `race` with items and talents
// ({ name, count } and { name, level }).
inline TUnit& AddUnitWith(maptest::TestWorld& world, TRegion& region, int32_t party, int32_t count,
    const std::string& race, const std::vector<TItem>& items = {},
    const std::vector<TTalent>& talents = {})
{
    TUnit& unit = world.AddUnit(region, party, count);
    unit.Type_ = race;
    unit.Items->Entries = items;
    unit.Talents->Entries = talents;
    return unit;
}

} // namespace maprune::test
