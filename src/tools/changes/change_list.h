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
// A change's line refers to its text rather than copying it, since a large
// world has a hundred thousand changes.
struct ChangeLine {
    std::string Heading; // UTF-8, empty for a change
    std::optional<PartyCategory> Category;
    int32_t Change = -1; // index of the change, -1 for a heading
};

// The text of a line of `changes`' list: its heading or its change's text.
const std::string& LineText(const ChangeLine& line, const std::vector<TurnChange>& changes);

// The list that the changes window shows and `maprune-cli changes` prints:
// for each kind and party category in the order of `changes` (see
// TurnChanges) a heading "neue Einheiten, eigene (3)", then the changes of
// the group.
std::vector<ChangeLine> ChangeListLines(const std::vector<TurnChange>& changes);

// How the map of changes weighs `kind`: another strongest party most, then
// what came, went or changed hands (fights, parties, units, buildings,
// ships) and the silver or items an own unit lost; persons, sizes, region
// values and prices least, since nearly every region has some of them each
// turn.
ChangeWeight WeightOf(ChangeKind kind);
// The heaviest weight of the changes in each region of the report's Regions
// (by index); regions without changes weigh nothing.
std::vector<ChangeWeight> RegionWeights(
    const TReport& report, const std::vector<TurnChange>& changes);

} // namespace maprune
