// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/language/order_tokens.h"

namespace maprune {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

OrderWords SplitOrderLine(std::string_view line)
{
    OrderWords words;
    size_t pos = 0;
    const auto skipBlanks = [&] {
        while (pos < line.size() && IsBlank(line[pos]))
            ++pos;
    };
    skipBlanks();
    if (pos < line.size() && line[pos] == '@') {
        words.Lasting = true;
        ++pos;
    }
    for (;;) {
        skipBlanks();
        if (pos >= line.size())
            return words;
        if (line[pos] == ';' || line.substr(pos).starts_with("//")) {
            words.CommentStart = pos;
            return words;
        }
        OrderToken token;
        token.Begin = pos;
        if (line[pos] == '"') {
            token.Quoted = true;
            const size_t close = line.find('"', pos + 1);
            if (close == std::string_view::npos) {
                words.UnclosedQuote = pos;
                token.Text = line.substr(pos + 1);
                pos = line.size();
            } else {
                token.Text = line.substr(pos + 1, close - pos - 1);
                pos = close + 1;
            }
        } else {
            while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != ';' && line[pos] != '"')
                ++pos;
            token.Text = line.substr(token.Begin, pos - token.Begin);
        }
        token.End = pos;
        words.Tokens.push_back(std::move(token));
    }
}

} // namespace maprune
