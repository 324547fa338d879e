// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace maprune {

class GameData;

// The classes of items in the game data, by number: "Waffe" (0),
// "Rüstung", "Schild", "Material" (3), "Luxusgut", "Tier", "Fahrzeug",
// "Geld", "Sonstiges" (8).
const std::vector<std::string>& ItemClassNames();
// The name of class `number`, "Klasse N" for one without a name.
std::string ItemClassName(int number);

// One item record as the items window lists it (UTF-8).
struct ItemRow {
    size_t Record = 0; // index in the game data
    int Class = 0;
    std::string Name;
    std::string Weight; // GE per piece, "0.01"
    std::string Capacity; // GE one piece carries, "-" when none
    std::string ClassName;
    std::string Description;
};

// The item records of the game data in its order; `itemClass` -1 lists all
// of them, any other number only those of that class.
std::vector<ItemRow> ItemRows(GameData& data, int itemClass);

} // namespace maprune
