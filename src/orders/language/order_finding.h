// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace maprune {

enum class FindingLevel { Warning, Error };

// A mistake in an order line. Line counts from 0 in the lines that were
// checked; Begin and End are byte positions in that line.
struct OrderFinding {
    size_t Line = 0;
    size_t Begin = 0;
    size_t End = 0;
    FindingLevel Level = FindingLevel::Error;
    std::string Message; // German, UTF-8
};

} // namespace maprune
