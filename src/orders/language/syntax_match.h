// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "orders/language/command_syntax.h"
#include "orders/language/order_finding.h"
#include "orders/language/order_tokens.h"

namespace maprune {

// The findings about the value of one placeholder: `count` tokens from `first`.
using ValueJudge = std::function<void(
    ParamKind kind, const OrderToken* first, size_t count, std::vector<OrderFinding>& findings)>;

// Fits the parameters of a line (the tokens after the command word) to the
// readings of `command`. Of the ways they fit, the one with the fewest
// findings of `judge` counts. When none fits: a missing parameter after the
// last token (or the command word `word` without any), or the first token
// that fits no reading, as found by the reading that got furthest. Findings
// carry Line 0.
std::vector<OrderFinding> MatchParameters(const CommandSyntax& command, const OrderToken& word,
    const std::vector<OrderToken>& parameters, const ValueJudge& judge);

// The elements (key words and placeholders) that may follow `parameters`.
std::vector<const SyntaxNode*> ExpectedAfter(
    const CommandSyntax& command, const std::vector<OrderToken>& parameters);

} // namespace maprune
