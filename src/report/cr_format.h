// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace maprune {

// Reports from format version 39 on ("today's" reports) escape quotes in
// strings and may hold blocks and keys that the reader does not know; they
// are read tolerantly: unknown blocks are skipped, never fatal.
constexpr int32_t kFirstTodayVersion = 39;

inline bool IsTodayFormat(int32_t version)
{
    return version >= kFirstTodayVersion;
}

} // namespace maprune
