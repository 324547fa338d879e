// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "model/game_data.h"

namespace maprune {

// A fault in the readable game data; what() is "<file>:<line>: <problem>".
class GameDataSourceError : public Error {
public:
    GameDataSourceError(const std::string& file, int line, const std::string& problem);
    int Line() const { return FLine; }

private:
    int FLine;
};

// Reads the readable form of the game reference data (data/gamedata.txt,
// described in docs/gamedata-format.md) into records in file order. `file`
// only names the text in messages. Throws GameDataSourceError at the first
// fault: syntax, unknown or repeated keys, missing required keys, values out
// of range, names that do not resolve, type numbers or look-up names used
// twice, texts that are not UTF-8 or too long for the data file.
std::vector<GameRecord> ParseGameDataSource(std::string_view text, const std::string& file);

} // namespace maprune
