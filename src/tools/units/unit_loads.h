// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace maprune {

class TUnit;

// What a unit weighs and may still carry, in weight units (GE), from the
// game reference data: persons and items weigh, horses and carts carry.
double TotalWeight(const TUnit& unit);
// Free capacity when the persons ride: horses carry, two horses draw a
// cart, whatever cannot be ridden or drawn is carried.
double FreeRidingCapacity(const TUnit& unit);
// Free capacity when the persons walk and lead their horses; trolls draw
// carts, four to a cart.
double FreeLeadingCapacity(const TUnit& unit);

// The unit's level in the talent of type `talentNumber` (13 riding, 23
// camouflage); 0 without it.
int32_t TalentLevel(const TUnit& unit, int talentNumber);

// `value` with `decimals` decimals, an SI prefix and `unit` ("1.5 kGE",
// "500 mGE"); 0 gives "0 " + unit, a negative value the text of its amount
// in parentheses.
std::string FormatWeight(int decimals, std::string_view unit, double value);

} // namespace maprune
