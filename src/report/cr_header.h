// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace maprune {

// The turn ("Runde") that the VERSION block at the start of a report's bytes
// names; none when the bytes do not start with that block or it names no
// turn. Reads only the block, so that the first kilobytes of a file are
// enough.
std::optional<int32_t> HeaderTurn(std::string_view bytes);

} // namespace maprune
