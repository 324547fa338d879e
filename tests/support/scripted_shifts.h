// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "report/shift_chooser.h"

namespace maprune::test {

// Picks a fixed index among several shifts (none: cancels) and records the
// shifts it was offered.
class ScriptedShifts : public ShiftChooser {
public:
    explicit ScriptedShifts(std::optional<size_t> answer = 0)
        : Answer(answer)
    {
    }
    std::optional<size_t> ChooseShift(const std::vector<ScoredShift>& shifts) override
    {
        Offered.push_back(shifts);
        return Answer;
    }

    std::optional<size_t> Answer;
    std::vector<std::vector<ScoredShift>> Offered;
};

} // namespace maprune::test
