// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace maprune {

class TReportItem;

// How windows name a published property of the property tables: the German
// label a player reads, and whether its integer is the number of a party,
// unit, ship or building (written with FormatNr in the report's base).
struct PropertyLabel {
    std::string_view Label;
    bool EntityNumber = false;
    bool ZeroIsNone = false; // 0 stands for none (no building, no captain)
};

// The label of `property` of the class `className` ("TUnit"); a property
// the table does not know keeps its own name as label.
PropertyLabel LabelOf(std::string_view className, std::string_view property);

// One value of an item as a window shows it.
struct PropertyLine {
    std::string Label;
    std::string Value; // the model's bytes for texts, else plain ASCII
};

// The values of `item` that have a text, in the order of its property table:
// integers (left out: -1 where it is the declared default, so unknown, and a
// 0 that stands for none; entity numbers in the base of the item's report, 36
// without one), texts (line breaks as blanks) and the current value of each
// history with its turn ("1200 (Runde 202)"). Lists and other objects have no
// line; they are shown by their own entries.
std::vector<PropertyLine> PropertyLines(const TReportItem& item);

} // namespace maprune
