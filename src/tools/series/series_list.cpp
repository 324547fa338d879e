// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/series/series_list.h"

#include "core/error.h"
#include "model/report.h"
#include "tools/calculator/report_calculator.h"

namespace maprune {

namespace {

// The history, or null with the reason in `message`.
const THistoryInteger* EvaluateHistory(TReport& report, std::string_view expression,
    std::string& message)
{
    std::unique_ptr<TExpression> tree;
    try {
        tree = TEvaluator::Parse(expression);
    } catch (const Error& error) {
        message = std::string("Fehler beim Parsen: ") + error.what();
        return nullptr;
    }
    try {
        TReportCalculator calculator(&report);
        const TValue value = calculator.Evaluate(*tree);
        const TReportItem* item = calculator.ObjectOf(value);
        if (item != nullptr && item->Class().IsA(THistoryInteger::StaticClass()))
            return static_cast<const THistoryInteger*>(item);
        message = (value.IsUnassigned() ? std::string("(Null)") : value.Text())
            + " ist kein Wert mit Verlauf";
    } catch (const Error& error) {
        message = std::string("Fehler beim Auswerten: ") + error.what();
    }
    return nullptr;
}

} // namespace

std::string TSeries::ListLine() const
{
    return Definition.Title + " (" + Definition.Expression + ")";
}

std::vector<TSeries> BuildSeriesList(TReport* report)
{
    std::vector<TSeries> list;
    if (report == nullptr)
        return list;
    for (SeriesDefinition& definition : ParseSeries(report->Series)) {
        TSeries series;
        series.Factor = ScaleFactor(definition.ScaleCode);
        std::string message;
        series.Data = EvaluateHistory(*report, definition.Expression, message);
        series.Definition = std::move(definition);
        list.push_back(std::move(series));
    }
    return list;
}

const THistoryInteger& HistoryOfExpression(TReport& report, std::string_view expression)
{
    std::string message;
    const THistoryInteger* history = EvaluateHistory(report, expression, message);
    if (history == nullptr)
        throw Error(message);
    return *history;
}

} // namespace maprune
