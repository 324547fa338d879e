// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace maprune {

// Whether `line` contains `filter`, ignoring case (of umlauts too); an empty
// filter matches every line. Both texts are model strings or UTF-8.
bool LineMatchesFilter(std::string_view line, std::string_view filter);

} // namespace maprune
