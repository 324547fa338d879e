// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calculator/calculator_answer.h"

#include <memory>

#include "core/error.h"
#include "core/text_encoding.h"
#include "tools/calculator/report_calculator.h"

namespace maprune {

CalculatorAnswer Calculate(TReport* report, std::string_view text)
{
    std::unique_ptr<TExpression> tree;
    try {
        // A command line may hand over 8-bit text; the calculator works in UTF-8.
        tree = TEvaluator::Parse(DisplayText(text));
    } catch (const Error& error) {
        return { AnswerKind::ParseError, std::string("Fehler beim Parsen: ") + error.what() };
    }
    try {
        TReportCalculator calculator(report);
        const TValue value = calculator.Evaluate(*tree);
        if (value.IsUnassigned())
            return { AnswerKind::Null, "(Null)" };
        return { AnswerKind::Value, value.Text() };
    } catch (const Error& error) {
        return { AnswerKind::EvaluationError, std::string("Fehler beim Auswerten: ") + error.what() };
    }
}

} // namespace maprune
