// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace maprune {

class GameData;
struct GameRecord;

// The kinds of types the reference windows browse.
enum class ReferenceKind { Races, Talents, Commands, Buildings };

// One entry of a reference window's drop-down list: the index of its record
// in the game data and the text shown for it (UTF-8).
struct ReferenceEntry {
    size_t Record = 0;
    std::string Text;
};

// The records of `kind` in the order of the game data: races by their
// plural, talents and buildings by their singular, commands by their
// command word.
std::vector<ReferenceEntry> ReferenceEntries(GameData& data, ReferenceKind kind);

// What the races window shows of a race record.
struct RaceView {
    std::string HitPoints;
    std::string NaturalArmour;
    std::string MagicResistance;
    std::string RecruitingCost;
    std::string Description;
    // "Talent: modifier" for every talent number with a modifier other
    // than 0; a number without talent record is "unbekanntes Talent (t)".
    std::vector<std::string> Modifiers;
};
RaceView ViewOfRace(GameData& data, const GameRecord& race);

// What the commands window shows of a command record.
struct CommandView {
    std::string Syntax;
    std::string Description;
};
CommandView ViewOfCommand(const GameRecord& command);

// What the buildings window shows of a building record: the material lists
// ("1 Stein, 2 Eisen", or "nichts"), the talents needed ("Burgenbau 2", or
// "nichts"), and the limits ("keine" or "entsprechend Größe" for -1).
struct BuildingView {
    std::string Description;
    std::string Costs;
    std::string Upkeep;
    std::string Talents;
    std::string SizeLimit;
    std::string MinimumSize;
    std::string Capacity;
};
// Throws Error "material type %d not found" or "talent type %d not found"
// for a number the game data does not define.
BuildingView ViewOfBuilding(GameData& data, const GameRecord& building);

// The description of any record (the talents window shows only that).
std::string DescriptionOf(const GameRecord& record);

} // namespace maprune
