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
        const auto it = std::ranges::find(available_, criteria.Names()[index]);
        Choose(static_cast<std::size_t>(it - available_.begin()));
    }
}

void UnitSortLists::MakeAvailable(std::string name)
{
    const auto at = std::ranges::upper_bound(
        available_, name, [](const auto& a, const auto& b) { return LessIgnoringAsciiCase(a, b); });
    available_.insert(at, std::move(name));
}

bool UnitSortLists::Choose(std::size_t availableIndex)
{
    if (availableIndex >= available_.size())
        return false;
    chosen_.push_back(std::move(available_[availableIndex]));
    available_.erase(available_.begin() + static_cast<std::ptrdiff_t>(availableIndex));
    return true;
}

bool UnitSortLists::Unchoose(std::size_t chosenIndex)
{
    if (chosenIndex >= chosen_.size())
        return false;
    MakeAvailable(std::move(chosen_[chosenIndex]));
    chosen_.erase(chosen_.begin() + static_cast<std::ptrdiff_t>(chosenIndex));
    return true;
}

bool UnitSortLists::MoveUp(std::size_t chosenIndex)
{
    if (chosenIndex == 0 || chosenIndex >= chosen_.size())
        return false;
    std::swap(chosen_[chosenIndex - 1], chosen_[chosenIndex]);
    return true;
}

bool UnitSortLists::MoveDown(std::size_t chosenIndex)
{
    if (chosenIndex + 1 >= chosen_.size())
        return false;
    std::swap(chosen_[chosenIndex], chosen_[chosenIndex + 1]);
    return true;
}

void UnitSortLists::UnchooseAll()
{
    while (!chosen_.empty())
        Unchoose(chosen_.size() - 1);
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
    for (std::size_t i = 0; i < chosen_.size(); ++i) {
        if (i > 0)
            options += '|';
        options += chosen_[i];
    }
    return options;
}

} // namespace maprune
