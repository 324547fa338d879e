// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/cr_header.h"

#include <charconv>

#include "model/cr_interface.h"
#include "report/cr_tokenizer.h"

namespace maprune {

std::optional<int32_t> HeaderTurn(std::string_view bytes)
{
    CRTokenizer tokenizer(bytes);
    CRToken token;
    tokenizer.Next(token);
    if (token.LineType != CRLineType::BlockHead || token.Block != "VERSION")
        return std::nullopt;
    for (tokenizer.Next(token);
         token.LineType != CRLineType::BlockHead && token.LineType != CRLineType::EndOfFile;
         tokenizer.Next(token)) {
        if (token.Key != "Runde")
            continue;
        int32_t turn = 0;
        const char* end = token.Value.data() + token.Value.size();
        const auto [at, error] = std::from_chars(token.Value.data(), end, turn);
        if (error == std::errc() && at == end)
            return turn;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace maprune
