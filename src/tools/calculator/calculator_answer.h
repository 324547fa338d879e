// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace maprune {

class TReport;

enum class AnswerKind { Value, Null, ParseError, EvaluationError };

// What the calculator window shows for an input and `maprune-cli calc`
// prints: the value's text (model bytes for strings of the report), "(Null)"
// for an unassigned result, or "Fehler beim Parsen: %s" / "Fehler beim
// Auswerten: %s" with the message.
struct CalculatorAnswer {
    AnswerKind Kind = AnswerKind::Null;
    std::string Text;

    bool Failed() const { return Kind == AnswerKind::ParseError || Kind == AnswerKind::EvaluationError; }
};

// Parses and evaluates `text` over `report` (which may be null); the tree
// and every object reference are gone when it returns.
CalculatorAnswer Calculate(TReport* report, std::string_view text);

} // namespace maprune
