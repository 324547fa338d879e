// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/progress.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "report/shift_chooser.h"

namespace maprune::bench {

// Generated turns overlap at the origin: the first shift found is the one.
class FirstChoice : public ShiftChooser {
public:
    std::optional<size_t> ChooseShift(const std::vector<ScoredShift>&) override { return 0; }
};

// Reads the bytes of a generated report without dialogs or progress.
inline std::unique_ptr<TReport> ReadGenerated(const std::string& bytes)
{
    SilentDialogs dialogs;
    NullProgress progress;
    return ReadCR(bytes, dialogs, progress, nullptr);
}

} // namespace maprune::bench
