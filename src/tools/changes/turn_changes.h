// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/party_category.h"

namespace maprune {

class TReport;

// What changed between two turns, in the order the lists show the kinds.
enum class ChangeKind : uint8_t {
    Fight,
    DominantParty,
    PartyArrived,
    PartyLeft,
    UnitNew,
    UnitGone,
    UnitMoved,
    UnitParty,
    UnitShrunk,
    UnitGrown,
    SilverLost,
    ItemsLost,
    BuildingNew,
    BuildingGone,
    BuildingGrown,
    BuildingShrunk,
    ShipNew,
    ShipGone,
    ShipMoved,
    ShipParty,
    ShipGrown,
    ShipDamaged,
    RegionSeen,
    RegionLost,
    Peasants,
    Silver,
    Horses,
    Trees,
    Wages,
    Prices,
};
inline constexpr size_t kChangeKindCount = 30;

// The heading of a kind in the lists ("neue Einheiten").
const char* ChangeKindCaption(ChangeKind kind);
// The kind's name in the JSON form ("unit-new").
const char* ChangeKindName(ChangeKind kind);

// One change. The region is kept by its coordinates, so that a list can find
// it again without holding it (a fight of an older report names none); the
// object number is that of the unit, building or ship (-1 for changes of
// the region itself).
struct TurnChange {
    ChangeKind Kind = ChangeKind::RegionSeen;
    bool Placed = true;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Z = 0;
    int32_t Nr = -1;
    int32_t Party = -1;
    std::optional<PartyCategory> Category; // none: no party concerned
    std::string Text; // UTF-8, beginning with the region
};

// How far a value must move to count: by at least Minimum and by at least
// Percent of the older value (an older value of 0 leaves only Minimum).
struct ChangeThreshold {
    int32_t Percent = 0;
    int32_t Minimum = 1;
};

// The thresholds of the region values, of each market price and of the
// silver an own unit lost.
struct ChangeThresholds {
    ChangeThreshold Peasants { 10, 50 };
    ChangeThreshold Silver { 20, 200 };
    ChangeThreshold Horses { 20, 5 };
    ChangeThreshold Trees { 10, 5 };
    ChangeThreshold Wages { 0, 1 };
    ChangeThreshold Prices { 20, 1 };
    ChangeThreshold UnitSilver { 25, 100 };
};

// The two turns a comparison looks at; From is -1 when the database holds
// nothing older than To.
struct ChangeTurns {
    int32_t From = -1;
    int32_t To = -1;
};

// The report's turn and the newest turn before it that any region value or
// political summary of the database holds.
ChangeTurns DefaultChangeTurns(const TReport& report);
// The newest turn before `turn` that the database holds, -1 when none.
int32_t TurnBefore(const TReport& report, int32_t turn);

// The changes from turn `from` to turn `to`, from what the database keeps
// of both turns: the histories of regions, units, buildings and ships, the
// states of earlier turns that merges kept beyond them (places, parties and
// own items of units and ships, units and ships no longer shown, market
// prices; model/past_states.h), the political summaries of each turn, and
// the own party's fights (known for the report's own turn only). A value
// unknown in either turn is never a change, nor is a party unknown in
// either. A moved unit or ship is listed in its newer region. Ordered by
// kind, then party category (own first, no party last), then the report's
// order of regions (objects kept only as earlier states last).
std::vector<TurnChange> TurnChanges(
    const TReport& report, int32_t from, int32_t to, const ChangeThresholds& thresholds);

} // namespace maprune
