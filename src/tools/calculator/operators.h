// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "tools/calculator/value.h"

namespace maprune {

// An infix operator on two evaluated operands. Integer arithmetic is
// computed wider than 32 bits and gives a real when the result does not fit;
// "/" is real division; "%" the integer remainder; "&" and "|" the logical
// and "&&", "||", "^" the bitwise operators; "==", "<", ">", "<=", ">="
// compare. Throws Error for "Division durch Null", for operands that are no
// numbers where numbers are needed, and for "=", "<>", "<<", ">>"
// ("Unbekannter Operator: %s").
TValue ApplyInfix(std::string_view op, const TValue& left, const TValue& right);

// "+", "-", "~" (bitwise not) and "!" (1 for an operand equal to 0, else 0).
TValue ApplyPrefix(std::string_view op, const TValue& operand);

} // namespace maprune
