// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string_view>

#include "tools/calculator/expression.h"

namespace maprune {

// Limits that keep the parser and the evaluation off the end of the stack
// and the memory: brackets and prefix operators nested deeper than
// kMaxNesting, or more than kMaxNodes nodes, end the parse with a message.
inline constexpr int kMaxNesting = 100;
inline constexpr int kMaxNodes = 1000;

// Parses the whole text into an expression tree. Operands and infix
// operators are read alternately; each new operator walks down the right
// edge of the tree past unparenthesised operators of a lower level and
// takes the right operand of the last one as its left operand, which gives
// the three precedence levels with left associativity. Throws Error with
// the message and, where the language defines one, the position.
std::unique_ptr<TExpression> ParseExpression(std::string_view text);

} // namespace maprune
