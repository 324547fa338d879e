// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace maprune {

// Compare texts ignoring the case of ASCII letters only; other bytes (the
// parts of UTF-8 umlauts) must match exactly. Names of settings and of sort
// criteria are compared this way.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
// True when `a` sorts before `b` under the same rule.
bool LessIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace maprune
