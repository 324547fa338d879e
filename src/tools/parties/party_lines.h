// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/lines/category_lines.h"

namespace maprune {

class TParty;
class TReport;

// The address text of a party (UTF-8): "Name (Nr), EMail: address", and
// "; banner" when it has one. The number is decimal.
std::string AddressText(const TParty& party);

// The address lines of every party of the report, by category and party
// number; each line keeps its party number, so that no one has to read it
// back from a text that may hold parentheses of its own. Null: none.
std::vector<CategoryLine> AddressLines(const TReport* report);

// The allies of the own party, "Name (Nr); Status: State", by category and
// party number. Empty without a report or without an own party.
std::vector<CategoryLine> AllyLines(const TReport* report);

// "Name (Stufe L); description" per spell, "Name (Stufe L), Zutaten: ...;
// description" per potion, in list order; tildes in the names become
// blanks. Null: none.
std::vector<std::string> SpellLines(const TReport* report);
std::vector<std::string> PotionLines(const TReport* report);

// Removes party `nr` from the report's Parties and frees it; its units,
// ships and buildings stay where they are, and the allies of other parties
// keep their entries, which name it by number. Returns whether there was
// such a party.
bool DeleteParty(TReport& report, int32_t nr);

} // namespace maprune
