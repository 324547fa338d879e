// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "map/change_colours.h"
#include "model/party_category.h"
#include "tools/changes/turn_changes.h"

namespace maprune {

class TReport;

// One line of the changes list: a heading of a group of changes (plain) or
// a change, drawn in the scheme of its party's category (plain without one).
struct ChangeLine {
    std::string Text; // UTF-8
    std::optional<PartyCategory> Category;
    int32_t Change = -1; // index of the change, -1 for a heading
};

// The list that the changes window shows and `maprune-cli changes` prints:
// for each kind and party category in the order of `changes` (see
// TurnChanges) a heading "neue Einheiten, eigene (3)", then the changes of
// the group.
std::vector<ChangeLine> ChangeListLines(const std::vector<TurnChange>& changes);

// How the map of changes weighs `kind`: another strongest party most, then
// what came or went (fights, parties, units, buildings, ships) and the silver
// an own unit lost; persons, sizes and region values least, since nearly
// every region has some of them each turn.
ChangeWeight WeightOf(ChangeKind kind);
// The heaviest weight of the changes in each region of the report's Regions
// (by index); regions without changes weigh nothing.
std::vector<ChangeWeight> RegionWeights(
    const TReport& report, const std::vector<TurnChange>& changes);

} // namespace maprune
