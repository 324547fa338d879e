// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/report.h"
#include "support/scripted_shifts.h"

namespace maprune::test {

// Installs a game data table with these terrains for the lifetime of the
// object (number, compatible numbers): Ebene 0 {0, 1}, Wald 1 {0, 1},
// Berge 2 {2}, Ozean 3 {3}, Sumpf 4 {4, 0}, Gletscher 20 {} (a number no
// terrain set can hold).
class TestTerrains {
public:
    TestTerrains();
    ~TestTerrains();
    TestTerrains(const TestTerrains&) = delete;
    TestTerrains& operator=(const TestTerrains&) = delete;
};

// An empty report of turn `turn` whose active party `party` has that turn.
std::unique_ptr<TReport> NewReport(int32_t turn, int32_t party = 1);

TRegion& AddRegion(TReport& report, int32_t x, int32_t y, int32_t z = 0,
                   const std::string& terrain = "Ebene", const std::string& name = "");
TUnit& AddUnit(TRegion& region, int32_t nr, int32_t party, int32_t turn, int32_t count = 1);
TShip& AddShip(TRegion& region, int32_t nr, int32_t turn);
TBuilding& AddBuilding(TRegion& region, int32_t nr, int32_t turn, int32_t size = 10);
TParty& AddParty(TReport& report, int32_t nr, int32_t turn, const std::string& race = "Menschen");

// The item and every object it owns, each counted as `weight` of its class
// when given.
size_t CountObjects(const TReportItem& item, size_t (*weight)(const ClassInfo&) = nullptr);
// Whether the item and every object it owns belong to `owner`.
bool AllOwnedBy(const TReportItem& item, const TReport* owner);

std::vector<std::string> CommandsOf(const TUnit& unit);
TUnit* FindUnit(const TReport& report, int32_t nr, TRegion** where = nullptr);

} // namespace maprune::test
