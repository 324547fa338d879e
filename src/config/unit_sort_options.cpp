// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/unit_sort_options.h"

#include <algorithm>

#include "config/unit_sort_criteria.h"

namespace maprune {

std::vector<std::size_t> ParseUnitSortOptions(
    const std::string& options, const UnitSortCriteria& criteria)
{
    std::vector<std::size_t> order;
    std::size_t start = 0;
    while (start <= options.size()) {
        std::size_t end = options.find('|', start);
        if (end == std::string::npos)
            end = options.size();
        const auto index = criteria.Find(std::string_view(options).substr(start, end - start));
        if (index && std::ranges::find(order, *index) == order.end())
            order.push_back(*index);
        start = end + 1;
    }
    return order;
}

std::string FormatUnitSortOptions(
    const std::vector<std::size_t>& order, const UnitSortCriteria& criteria)
{
    std::string options;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0)
            options += '|';
        options += criteria.Names().at(order[i]);
    }
    return options;
}

} // namespace maprune
