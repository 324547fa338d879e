// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "orders/language/order_scope.h"

namespace maprune {

class OrderGrammar;

struct CompletionCandidate {
    std::string Text; // what replaces the word at the cursor
    std::string Label; // what the list shows (a unit's number and name, a syntax)
};

// The words that may stand at the cursor, replacing bytes Begin .. End of the line.
struct OrderCompletion {
    size_t Begin = 0;
    size_t End = 0;
    std::vector<CompletionCandidate> Candidates;
};

// Completion of an order line (UTF-8) at byte `cursor`: the command words
// for the first word, then what the command's syntax allows next — its key
// words and the names of the placeholder's kind: the unit's own items before
// the other items, the units, buildings and ships of the region with number
// and name, the TEMP units made there, talents, races, ship types and
// directions. Matched case-insensitively by the beginning of the word
// before the cursor. None inside a comment or a quote.
OrderCompletion CompleteOrder(
    const OrderGrammar& grammar, const OrderScope& scope, std::string_view line, size_t cursor);

} // namespace maprune
