// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_building.h"

#include "model/game_data.h"
#include "model/game_data_fixtures.h"

namespace maprune::test {

namespace {

GameRecord Terrain(const std::string& name, uint8_t number, uint16_t compatible)
{
    GameRecord record = MakeRecord(KindTerrain, name, name, name);
    record.SetByte(73, number);
    record.SetByte(80, static_cast<uint8_t>(compatible & 0xFF));
    record.SetByte(81, static_cast<uint8_t>(compatible >> 8));
    return record;
}

} // namespace

TestTerrains::TestTerrains()
{
    std::vector<GameRecord> records;
    records.push_back(Terrain("Ebene", 0, 0b00011));
    records.push_back(Terrain("Wald", 1, 0b00011));
    records.push_back(Terrain("Berge", 2, 0b00100));
    records.push_back(Terrain("Ozean", 3, 0b01000));
    records.push_back(Terrain("Sumpf", 4, 0b10001));
    records.push_back(Terrain("Gletscher", 20, 0));
    records.push_back(MakeRecord(KindRace, "Mensch", "Menschen", "Mensch|Menschen"));
    SetGameData(std::make_unique<GameData>(std::move(records)));
}

TestTerrains::~TestTerrains()
{
    SetGameData(nullptr);
}

std::unique_ptr<TReport> NewReport(int32_t turn, int32_t party)
{
    auto report = CreateEmpty<TReport>(nullptr);
    AddParty(*report, party, turn);
    report->Finish();
    return report;
}

TRegion& AddRegion(TReport& report, int32_t x, int32_t y, int32_t z, const std::string& terrain,
                   const std::string& name)
{
    auto region = CreateEmpty<TRegion>(&report);
    region->CX = x;
    region->CY = y;
    region->CZ = z;
    region->Terrain = terrain;
    region->Name = name;
    region->Turn = report.Turn;
    region->ReadTurn = report.Turn;
    region->InfoDate = report.Turn;
    region->TerrainType = region->LookupTerrainType();
    TRegion& added = *region;
    report.Regions->Add(std::move(region));
    report.SetIndexed(false);
    return added;
}

TUnit& AddUnit(TRegion& region, int32_t nr, int32_t party, int32_t turn, int32_t count)
{
    auto unit = CreateEmpty<TUnit>(region.Owner());
    unit->Nr = nr;
    unit->Party = party;
    unit->Turn = turn;
    unit->Type_ = "Menschen";
    unit->Count->AddValue(turn, count);
    unit->Silver->AddValue(turn, 0);
    TUnit& added = *unit;
    region.Units->Add(std::move(unit));
    return added;
}

TShip& AddShip(TRegion& region, int32_t nr, int32_t turn)
{
    auto ship = CreateEmpty<TShip>(region.Owner());
    ship->Nr = nr;
    ship->Turn = turn;
    ship->Type_ = "Boot";
    ship->Damage->AddValue(turn, 0);
    TShip& added = *ship;
    region.Ships->Add(std::move(ship));
    return added;
}

TBuilding& AddBuilding(TRegion& region, int32_t nr, int32_t turn, int32_t size)
{
    auto building = CreateEmpty<TBuilding>(region.Owner());
    building->Nr = nr;
    building->Turn = turn;
    building->Type_ = "Burg";
    building->Size->AddValue(turn, size);
    TBuilding& added = *building;
    region.Buildings->Add(std::move(building));
    return added;
}

TParty& AddParty(TReport& report, int32_t nr, int32_t turn, const std::string& race)
{
    auto party = CreateEmpty<TParty>(&report);
    party->Nr = nr;
    party->Turn = turn;
    party->Type_ = race;
    party->Name = "Partei " + std::to_string(nr);
    TParty& added = *party;
    report.Parties->Add(std::move(party));
    return added;
}

size_t CountObjects(const TReportItem& item, size_t (*weight)(const ClassInfo&))
{
    size_t count = weight != nullptr ? weight(item.Class()) : 1;
    for (const PropertyInfo& p : item.Class().Properties) {
        if (p.Kind == PropertyKind::Object) {
            if (const TReportItem* child = p.HeldObject(item))
                count += CountObjects(*child, weight);
        }
    }
    if (const auto* list = dynamic_cast<const TReportItemList*>(&item)) {
        for (size_t i = 0; i < list->Count(); ++i) {
            if (list->Item(i) != nullptr)
                count += CountObjects(*list->Item(i), weight);
        }
    }
    return count;
}

bool AllOwnedBy(const TReportItem& item, const TReport* owner)
{
    if (item.Owner() != owner)
        return false;
    for (const PropertyInfo& p : item.Class().Properties) {
        if (p.Kind == PropertyKind::Object) {
            const TReportItem* child = p.HeldObject(item);
            if (child != nullptr && !AllOwnedBy(*child, owner))
                return false;
        }
    }
    if (const auto* list = dynamic_cast<const TReportItemList*>(&item)) {
        for (size_t i = 0; i < list->Count(); ++i) {
            if (list->Item(i) != nullptr && !AllOwnedBy(*list->Item(i), owner))
                return false;
        }
    }
    return true;
}

std::vector<std::string> CommandsOf(const TUnit& unit)
{
    return unit.Commands->Lines();
}

TUnit* FindUnit(const TReport& report, int32_t nr, TRegion** where)
{
    for (TRegion* region : *report.Regions) {
        for (TUnit* unit : *region->Units) {
            if (unit->Nr == nr) {
                if (where != nullptr)
                    *where = region;
                return unit;
            }
        }
    }
    return nullptr;
}

} // namespace maprune::test
