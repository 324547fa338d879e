// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "model/ni_list.h"
#include "report/merge_support.h"

namespace maprune {

class PastRecorder;
class TBuilding;
class TReportItem;
class TShip;
class TUnit;

// Merges the added report's item `s` into the database's item `d` of the
// same class by the merge rules of the class's property table: a history
// gains the turns it lacks; a property merged when newer is taken from `s`
// only when `srcNewer` — a number or string copied, a text or list
// exchanged (ExchangeOwned, so `s` ends with `d`'s old one), the entries of
// a price, item or talent table swapped. Other properties stay.
void MergeProperties(TReportItem& d, TReportItem& s, bool srcNewer);

// Merges the added report's unit `s` into the database's unit `e`: the
// person and silver histories gain the turns they lack; only when the added
// report is newer, `e` takes the orders, messages, spell lines, status
// fields, name, description, party, items and talents of `s` (moved out of
// `s`). So orders come from the newest report that shows the unit, and a
// report of the same or an older turn never overwrites typed orders.
void MergeUnit(TUnit& e, TUnit& s, const MergeTurns& turns);

// Histories of damage, progress and load; captain, coast, type, name,
// description and party only from a newer report.
void MergeShip(TShip& e, TShip& s, const MergeTurns& turns);

// Histories of size and upkeep; owner, type, name, description and party
// only from a newer report.
void MergeBuilding(TBuilding& e, TBuilding& s, const MergeTurns& turns);

// The number index of the units (ships, buildings) of all regions of `src`:
// each entity under its Nr with its region as value. Throws Error when the
// index cannot hold them all; nothing is changed then.
std::unique_ptr<TNIList> IndexUnits(const TReport& src);
std::unique_ptr<TNIList> IndexShips(const TReport& src);
std::unique_ptr<TNIList> IndexBuildings(const TReport& src);

// The entity passes. Every unit (ship, building) of the database that the
// index names is merged with its counterpart and, when the added report is
// newer, moved to the region where that report shows it. When the added
// report is newer, database units and ships it lacks are removed, in every
// region; a building it lacks is removed only where the added report has a
// region with full information (FullInfoDate > 0) at the building's place;
// and the entities only the added report has join the database region at
// their place, in the added report's order. An entity the added report lacks
// stays when that report is not newer, and entities only it has are dropped
// with it. Needs every region of `src` to have a database region at its
// place (the region pass). Consumes the index. Units and ships moved, given
// to another party, changed in their items or gone are told to `past`.
void MergeUnits(
    TReport& dest, TReport& src, TNIList& index, const MergeTurns& turns, PastRecorder& past);
void MergeShips(
    TReport& dest, TReport& src, TNIList& index, const MergeTurns& turns, PastRecorder& past);
void MergeBuildings(
    TReport& dest, TReport& src, TNIList& index, const MergeTurns& turns, PastRecorder& past);

} // namespace maprune
