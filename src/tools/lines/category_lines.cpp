// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/lines/category_lines.h"

#include <algorithm>

namespace maprune {

std::vector<CategoryLine> LinesByCategory(const TReport& report, std::vector<PartyText> lines)
{
    const PartyCategories categories(report);
    std::vector<CategoryLine> entered;
    entered.reserve(lines.size());
    for (PartyText& line : lines)
        entered.push_back({ std::move(line.Text), line.Party, categories.Of(line.Party) });
    std::stable_sort(
        entered.begin(), entered.end(), [](const CategoryLine& a, const CategoryLine& b) {
            if (a.Category != b.Category)
                return Rank(a.Category) > Rank(b.Category);
            return a.Party < b.Party;
        });
    return entered;
}

} // namespace maprune
