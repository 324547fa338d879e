// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace maprune {

// One series of the report's `Series` text: a calculator expression, its
// title and its scale code ("" automatic, "1" to "9" the factors 0.0001 to
// 10000).
struct SeriesDefinition {
    std::string Expression;
    std::string Title;
    std::string ScaleCode;
    bool operator==(const SeriesDefinition&) const = default;
};

// The separators of the `Series` text: between definitions, and between the
// three parts of one definition.
inline constexpr char kSeriesSeparator = '\x02';
inline constexpr char kSeriesFieldSeparator = '\x01';

// The scale codes in the order of the scale popup, with their captions.
struct ScaleEntry {
    std::string_view Code;
    std::string_view Caption;
};
inline constexpr ScaleEntry kScaleEntries[] = { { "1", "0.0001" }, { "2", "0.001" },
    { "3", "0.01" }, { "4", "0.1" }, { "5", "1" }, { "6", "10" }, { "7", "100" },
    { "8", "1000" }, { "9", "10000" } };

// The fixed factor of a scale code, or -1 for automatic scaling (the empty
// code and every code that is none of "1" to "9").
double ScaleFactor(std::string_view code);

// The definitions of a `Series` text in order; an empty text has none.
// Missing parts of a definition are empty.
std::vector<SeriesDefinition> ParseSeries(std::string_view series);
// The `Series` text of `definitions`.
std::string WriteSeries(const std::vector<SeriesDefinition>& definitions);
// `series` with one more definition (automatic scaling) at its end. The
// separator characters in the expression and the title become blanks, so
// that they cannot split the definition.
std::string AppendSeries(std::string_view series, std::string_view expression,
    std::string_view title);

} // namespace maprune
