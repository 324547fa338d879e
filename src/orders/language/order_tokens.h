// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace maprune {

// One word of an order line. A quoted word is one token whatever it holds;
// Begin and End are byte positions in the line, quotes included.
struct OrderToken {
    std::string Text; // without quotes; a '~' stands for a blank
    size_t Begin = 0;
    size_t End = 0;
    bool Quoted = false;
};

// An order line cut into words, as the game server reads it: a leading "@"
// (the order stays for the next turn) is no word; ";" outside quotes, and
// "//" at the start of a word, begin a comment that runs to the line end.
struct OrderWords {
    std::vector<OrderToken> Tokens;
    bool Lasting = false; // the "@"
    size_t UnclosedQuote = std::string_view::npos; // where a quote opens that never closes
    size_t CommentStart = std::string_view::npos;
};

OrderWords SplitOrderLine(std::string_view line);

} // namespace maprune
