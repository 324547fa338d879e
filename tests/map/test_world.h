// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "map/map_state.h"
#include "model/game_data.h"
#include "model/report.h"

namespace maprune::maptest {

// A report built in code, with its map state, for the map tests.
class TestWorld {
public:
    TestWorld()
        : FReport(CreateEmpty<TReport>(nullptr))
        , FMap(*FReport)
    {
        FReport->ActiveLayer = 0;
    }

    TReport& Report() { return *FReport; }
    TMapState& Map() { return FMap; }

    // Appends a region; `terrain` (owned by the caller) is its resolved
    // terrain type when given.
    TRegion& AddRegion(int32_t x, int32_t y, int32_t z = 0, const GameRecord* terrain = nullptr)
    {
        auto region = CreateEmpty<TRegion>(FReport.get());
        region->CX = x;
        region->CY = y;
        region->CZ = z;
        region->TerrainType = terrain;
        FReport->Regions->Add(std::move(region));
        FReport->SetIndexed(false);
        return *(*FReport->Regions)[FReport->Regions->Count() - 1];
    }

    TUnit& AddUnit(
        TRegion& region, int32_t party, int32_t count, int32_t weapons = 0, bool guards = false)
    {
        auto unit = CreateEmpty<TUnit>(FReport.get());
        unit->Party = party;
        unit->Count->AddValue(1, count);
        unit->Weapons = weapons;
        unit->Observes = guards ? 1 : 0;
        region.Units->Add(std::move(unit));
        return *(*region.Units)[region.Units->Count() - 1];
    }

    TParty& AddParty(int32_t nr, const std::string& name)
    {
        auto party = CreateEmpty<TParty>(FReport.get());
        party->Nr = nr;
        party->Name = name;
        FReport->Parties->Add(std::move(party));
        return *(*FReport->Parties)[FReport->Parties->Count() - 1];
    }

    static void AddAlly(TParty& party, int32_t ally)
    {
        auto entry = CreateEmpty<TAlly>(party.Owner());
        entry->Party = ally;
        party.Allies->Add(std::move(entry));
    }

    // A political summary whose data lines are "-1", armed, persons, guards.
    TPoliticInfo& AddPolitic(TRegion& region, int32_t party, int32_t turn, int32_t armed,
        int32_t persons, int32_t guards)
    {
        auto info = CreateEmpty<TPoliticInfo>(FReport.get());
        info->Party = party;
        info->Turn = turn;
        info->Data->SetLine(TPoliticInfo::Armed, std::to_string(armed));
        info->Data->SetLine(TPoliticInfo::Persons, std::to_string(persons));
        info->Data->SetLine(TPoliticInfo::Guards, std::to_string(guards));
        region.Politic->Add(std::move(info));
        return *(*region.Politic)[region.Politic->Count() - 1];
    }

private:
    std::unique_ptr<TReport> FReport;
    TMapState FMap;
};

// A terrain record with the given work places, water flag and overview colour.
inline GameRecord MakeTerrain(int32_t workPlaces, bool water)
{
    GameRecord record;
    record.SetByte(16, KindTerrain);
    record.SetInt32(20, workPlaces);
    record.SetByte(24, water ? 1 : 0);
    return record;
}

} // namespace maprune::maptest
