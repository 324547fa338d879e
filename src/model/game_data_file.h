// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/game_data.h"

namespace maprune {

// The byte form of the game reference data file (docs/gamedata-format.md):
// an int32 record count, then per record four texts (uint16 length, bytes)
// and the 376-byte fixed block, all little-endian.

// Parses a whole data file. Throws Error naming the fault when the bytes are
// not exactly a data file: a negative count, a count that the remaining bytes
// cannot hold, a record cut short, or bytes left after the last record.
// Memory use is bounded by the size of `bytes`.
std::vector<GameRecord> ParseGameDataFile(std::string_view bytes);

// The byte form of `records`. Throws Error when a text is longer than 65535
// bytes, the most its 16-bit length can say.
std::string SerializeGameDataFile(const std::vector<GameRecord>& records);

} // namespace maprune
