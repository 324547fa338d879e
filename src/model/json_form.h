// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace maprune {

class TReportItem;

// Writes `item` and everything it owns as one JSON document in UTF-8, driven
// by the classes' property tables:
// - a report item is an object {"class": "TRegion", ...} with every published
//   property under its name, in the order of its class's table, derived ones
//   included with their computed values;
// - integers are numbers; strings are model bytes decoded for display
//   (DisplayText, which always gives valid UTF-8), written with the escapes
//   \" \\ \b \f \n \r \t, other control characters as \u00xx and every
//   other byte as it is;
// - a TLines is an array of strings; a THistoryInteger an array of
//   [turn, value] pairs, newest first; TPrices, TItems and TTalents arrays of
//   objects with the fields Price/Item, Item/Count and Talent/Days/Level;
// - a list is an array of its elements (null for an empty entry).
// The same model always gives the same text, so two dumps compare as text.
void WriteJson(std::ostream& out, const TReportItem& item);

// A model string (or UTF-8 text) as a JSON string with the escapes above,
// for other JSON forms of the program.
std::string JsonString(std::string_view modelBytes);

// WriteJson into a string.
std::string ToJson(const TReportItem& item);

} // namespace maprune
