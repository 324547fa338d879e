// SPDX-License-Identifier: GPL-3.0-or-later
#include <string_view>

#include "model/entry_lists.h"
#include "model/exact_append.h"
#include "report/block_reading.h"

namespace maprune {

void TPrices::ReadCR(TCRInterface& cr)
{
    AppendExactly(Entries, [&cr](std::vector<TPrice>& entries) {
        ReadValueLines(cr, [&](const CRToken& token) {
            entries.push_back(TPrice { CRInt(cr, token.Value), token.Key });
        });
    });
}

void TTalents::ReadCR(TCRInterface& cr)
{
    // Today's reports add the change since the last turn as a third number.
    const bool today = ReadsTodayFormat(Owner());
    AppendExactly(Entries, [&cr, today](std::vector<TTalent>& entries) {
        ReadValueLines(cr, [&](const CRToken& token) {
            const std::string_view value = token.Value;
            const size_t blank = value.find(' ');
            if (blank == std::string_view::npos)
                cr.Error("talents needs two integer values");
            const int32_t days = CRInt(cr, value.substr(0, blank));
            std::string_view rest = value.substr(blank + 1);
            if (today)
                rest = rest.substr(0, rest.find(' ', rest.find_first_not_of(' ')));
            const int32_t level = CRInt(cr, rest);
            entries.push_back(TTalent { token.Key, days, level });
        });
    });
}

void TItems::ReadCR(TCRInterface& cr)
{
    AppendExactly(Entries, [&cr](std::vector<TItem>& entries) {
        ReadValueLines(cr, [&](const CRToken& token) {
            entries.push_back(TItem { token.Key, CRInt(cr, token.Value) });
        });
    });
}

} // namespace maprune
