// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace maprune {

// A count with its noun in the matching number: "1 Warnung", "2 Warnungen",
// "0 Warnungen".
std::string CountText(int64_t count, std::string_view one, std::string_view many);

} // namespace maprune
