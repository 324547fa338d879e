// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/unit_sort_lists.h"

#include <algorithm>
#include <utility>

#include "config/text_case.h"
#include "config/unit_sort_criteria.h"
#include "config/unit_sort_options.h"

namespace maprune {

UnitSortLists::UnitSortLists(const UnitSortCriteria& criteria, const std::string& options)
{
    for (const std::string& name : criteria.Names())
        MakeAvailable(name);
    for (std::size_t index : ParseUnitSortOptions(options, criteria)) {
        const auto it = std::ranges::find(FAvailable, criteria.Names()[index]);
        Choose(static_cast<std::size_t>(it - FAvailable.begin()));
    }
}

void UnitSortLists::MakeAvailable(std::string name)
{
    const auto at = std::ranges::upper_bound(
        FAvailable, name, [](const auto& a, const auto& b) { return LessIgnoringAsciiCase(a, b); });
    FAvailable.insert(at, std::move(name));
}

bool UnitSortLists::Choose(std::size_t availableIndex)
{
    if (availableIndex >= FAvailable.size())
        return false;
    FChosen.push_back(std::move(FAvailable[availableIndex]));
    FAvailable.erase(FAvailable.begin() + static_cast<std::ptrdiff_t>(availableIndex));
    return true;
}

bool UnitSortLists::Unchoose(std::size_t chosenIndex)
{
    if (chosenIndex >= FChosen.size())
        return false;
    MakeAvailable(std::move(FChosen[chosenIndex]));
    FChosen.erase(FChosen.begin() + static_cast<std::ptrdiff_t>(chosenIndex));
    return true;
}

bool UnitSortLists::MoveUp(std::size_t chosenIndex)
{
    if (chosenIndex == 0 || chosenIndex >= FChosen.size())
        return false;
    std::swap(FChosen[chosenIndex - 1], FChosen[chosenIndex]);
    return true;
}

bool UnitSortLists::MoveDown(std::size_t chosenIndex)
{
    if (chosenIndex + 1 >= FChosen.size())
        return false;
    std::swap(FChosen[chosenIndex], FChosen[chosenIndex + 1]);
    return true;
}

void UnitSortLists::UnchooseAll()
{
    while (!FChosen.empty())
        Unchoose(FChosen.size() - 1);
}

void UnitSortLists::Standard()
{
    UnchooseAll();
    Choose(0);
    Choose(3);
}

std::string UnitSortLists::Options() const
{
    std::string options;
    for (std::size_t i = 0; i < FChosen.size(); ++i) {
        if (i > 0)
            options += '|';
        options += FChosen[i];
    }
    return options;
}

} // namespace maprune
