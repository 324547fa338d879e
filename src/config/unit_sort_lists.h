// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace maprune {

class UnitSortCriteria;

// The two lists of the sort dialog: the available criteria, always in
// alphabetical order ignoring case, and the chosen ones in the order in
// which they sort. Every criterion is in exactly one of them. Operations
// given an index outside their list change nothing and return false.
class UnitSortLists {
public:
    // All criteria available, then those named by `options` (see
    // ParseUnitSortOptions) moved over in the order named.
    UnitSortLists(const UnitSortCriteria& criteria, const std::string& options);

    const std::vector<std::string>& Available() const { return FAvailable; }
    const std::vector<std::string>& Chosen() const { return FChosen; }

    // Moves an available criterion to the end of the chosen ones.
    bool Choose(std::size_t availableIndex);
    // Moves a chosen criterion back to the available ones.
    bool Unchoose(std::size_t chosenIndex);
    // Swaps a chosen criterion with the one before or after it.
    bool MoveUp(std::size_t chosenIndex);
    bool MoveDown(std::size_t chosenIndex);
    // Moves every chosen criterion back.
    void UnchooseAll();
    // Moves every chosen criterion back, then chooses the available entries
    // at index 0 and, after that, at index 3: with the program's criteria
    // alliance status (own first), then the name of the best talent.
    void Standard();

    // The chosen names joined by "|", the value of UnitListSortOptions.
    std::string Options() const;

private:
    void MakeAvailable(std::string name);

    std::vector<std::string> FAvailable;
    std::vector<std::string> FChosen;
};

} // namespace maprune
