// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/series/series_definitions.h"

namespace maprune {

class TReport;
class THistoryInteger;

// One series of the chart: its definition, its fixed factor (-1 for
// automatic scaling) and the history its expression evaluates to. Data
// points into the report: it is valid only until the report's objects are
// freed or replaced (a merge, another report), so whoever keeps a series
// list rebuilds it after every such change.
struct TSeries {
    SeriesDefinition Definition;
    double Factor = -1;
    const THistoryInteger* Data = nullptr; // none: the expression has no history value

    // "%s (%s)": the title and the expression, as the list shows it.
    std::string ListLine() const;
};

// The series of `report.Series` in order, each expression evaluated with
// the calculator. Without a report the list is empty.
std::vector<TSeries> BuildSeriesList(TReport* report);

// The history that `expression` evaluates to over `report`; throws Error
// with the calculator's message ("Fehler beim Parsen: ...", "Fehler beim
// Auswerten: ...") or, for another value, "%s ist kein Wert mit Verlauf".
const THistoryInteger& HistoryOfExpression(TReport& report, std::string_view expression);

} // namespace maprune
