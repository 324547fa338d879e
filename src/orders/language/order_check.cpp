// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/language/order_check.h"

#include <algorithm>

#include "orders/language/order_grammar.h"
#include "orders/language/syntax_match.h"

namespace maprune {

namespace {

OrderFinding FindingAt(
    const OrderToken& first, const OrderToken& last, FindingLevel level, std::string message)
{
    OrderFinding finding;
    finding.Begin = first.Begin;
    finding.End = last.End;
    finding.Level = level;
    finding.Message = std::move(message);
    return finding;
}

bool HasNumber(const std::vector<NumberedName>& things, int32_t nr)
{
    return std::any_of(
        things.begin(), things.end(), [nr](const NumberedName& thing) { return thing.Nr == nr; });
}

bool IsWord(const OrderToken& token, std::u32string_view folded)
{
    return !token.Quoted && SpelledOutFolded(token.Text) == folded;
}

const char* UnknownName(ParamKind kind)
{
    switch (kind) {
    case ParamKind::Item:
        return "Unbekannter Gegenstand";
    case ParamKind::Talent:
        return "Unbekanntes Talent";
    case ParamKind::Race:
        return "Unbekannte Rasse";
    case ParamKind::ShipType:
        return "Unbekannter Schiffstyp";
    default:
        return "Unbekannte Richtung";
    }
}

} // namespace

bool OpensTemp(const OrderGrammar& grammar, const OrderWords& words)
{
    if (words.Tokens.size() < 2 || !IsWord(words.Tokens[1], U"temp"))
        return false;
    const CommandSyntax* command = grammar.FindCommand(words.Tokens[0].Text);
    return command != nullptr && command->Folded == U"mache";
}

OrderChecker::OrderChecker(const OrderGrammar& grammar, const OrderScope& scope)
    : FGrammar(grammar)
    , FScope(&scope)
{
}

void OrderChecker::CheckLine(
    std::string_view line, size_t lineIndex, std::vector<OrderFinding>& findings)
{
    const OrderWords words = SplitOrderLine(line);
    const size_t before = findings.size();
    if (words.UnclosedQuote != std::string_view::npos) {
        OrderFinding finding;
        finding.Begin = words.UnclosedQuote;
        finding.End = line.size();
        finding.Message = "Anführungszeichen ohne Ende";
        findings.push_back(finding);
    }
    if (!words.Tokens.empty()) {
        const OrderToken& word = words.Tokens.front();
        const CommandSyntax* command = nullptr;
        std::vector<const CommandSyntax*> others;
        if (!word.Quoted)
            command = FGrammar.FindCommand(word.Text, &others);
        if (command == nullptr) {
            std::string message = "Unbekannter Befehl \"" + word.Text + "\"";
            if (!others.empty()) {
                message = "Mehrdeutiger Befehl \"" + word.Text + "\":";
                for (const CommandSyntax* other : others)
                    message += " " + other->Word;
            }
            findings.push_back(FindingAt(word, word, FindingLevel::Error, message));
        } else if (OpensTemp(FGrammar, words)) {
            CheckTempOpening(words, lineIndex, findings);
        } else if (command->Folded == U"ende") {
            if (!FTempOpen)
                findings.push_back(
                    FindingAt(word, word, FindingLevel::Warning, "ENDE ohne MACHE TEMP davor"));
            FTempOpen = false;
        } else {
            const std::vector<OrderToken> parameters(words.Tokens.begin() + 1, words.Tokens.end());
            const ValueJudge judge
                = [this](ParamKind kind, const OrderToken* first, size_t count,
                      std::vector<OrderFinding>& out) { Judge(kind, first, count, out); };
            const std::vector<OrderFinding> found
                = MatchParameters(*command, word, parameters, judge);
            findings.insert(findings.end(), found.begin(), found.end());
        }
    }
    for (size_t i = before; i < findings.size(); ++i)
        findings[i].Line = lineIndex;
}

void OrderChecker::CheckTempOpening(
    const OrderWords& words, size_t lineIndex, std::vector<OrderFinding>& findings)
{
    const OrderToken& word = words.Tokens.front();
    if (FTempOpen) {
        findings.push_back(FindingAt(word, words.Tokens[1], FindingLevel::Error,
            "Neue TEMP-Einheit, bevor die vorige mit ENDE schließt"));
    }
    if (words.Tokens.size() < 3)
        findings.push_back(FindingAt(
            word, words.Tokens[1], FindingLevel::Error, "Es fehlt die Nummer der TEMP-Einheit"));
    FOpening = FindingAt(word, words.Tokens[std::min<size_t>(2, words.Tokens.size() - 1)],
        FindingLevel::Error, "TEMP-Einheit ohne ENDE");
    FOpening.Line = lineIndex;
    FTempOpen = true;
}

void OrderChecker::EndUnit(std::vector<OrderFinding>& findings)
{
    if (FTempOpen)
        findings.push_back(FOpening);
    FTempOpen = false;
}

// A unit's items are real whatever the game data knows.
bool OrderChecker::IsOwnItem(ParamKind kind, const std::string& word) const
{
    if (kind != ParamKind::Item)
        return false;
    std::string name = word;
    std::replace(name.begin(), name.end(), '~', ' ');
    const std::u32string folded = SpelledOutFolded(name);
    return std::any_of(FScope->OwnItems.begin(), FScope->OwnItems.end(),
        [&](const std::string& item) { return SpelledOutFolded(item) == folded; });
}

void OrderChecker::Judge(ParamKind kind, const OrderToken* first, size_t count,
    std::vector<OrderFinding>& findings) const
{
    const OrderToken& token = first[0];
    const OrderScope& scope = *FScope;
    switch (kind) {
    case ParamKind::Unit:
        if (IsWord(token, U"temp")) {
            if (count < 2) {
                findings.push_back(
                    FindingAt(token, token, FindingLevel::Error, "Es fehlt die Nummer nach TEMP"));
            } else if (scope.Known
                && std::none_of(scope.Temps.begin(), scope.Temps.end(), [&](const std::string& t) {
                       return SpelledOutFolded(t) == SpelledOutFolded(first[1].Text);
                   })) {
                findings.push_back(FindingAt(token, first[1], FindingLevel::Warning,
                    "TEMP " + first[1].Text + " wird in der Region nicht angelegt"));
            }
        } else if (scope.Known && !HasNumber(scope.Units, ParseNr(token.Text, scope.Base))) {
            findings.push_back(FindingAt(token, token, FindingLevel::Warning,
                "Einheit " + token.Text + " ist nicht in der Region"));
        }
        break;
    case ParamKind::Building:
        if (scope.Known && !HasNumber(scope.Buildings, ParseNr(token.Text, scope.Base)))
            findings.push_back(FindingAt(token, token, FindingLevel::Warning,
                "Gebäude " + token.Text + " ist nicht in der Region"));
        break;
    case ParamKind::Ship:
        if (scope.Known && !HasNumber(scope.Ships, ParseNr(token.Text, scope.Base)))
            findings.push_back(FindingAt(token, token, FindingLevel::Warning,
                "Schiff " + token.Text + " ist nicht in der Region"));
        break;
    case ParamKind::Item:
    case ParamKind::Talent:
    case ParamKind::Race:
    case ParamKind::ShipType:
    case ParamKind::Direction:
        if (!FGrammar.Knows(kind, token.Text) && !IsOwnItem(kind, token.Text))
            findings.push_back(FindingAt(token, token,
                kind == ParamKind::Direction ? FindingLevel::Error : FindingLevel::Warning,
                std::string(UnknownName(kind)) + " \"" + token.Text + "\""));
        break;
    default:
        break;
    }
}

std::vector<OrderFinding> CheckUnitOrders(
    const OrderGrammar& grammar, const OrderScope& scope, const std::vector<std::string>& lines)
{
    OrderChecker checker(grammar, scope);
    std::vector<OrderFinding> findings;
    for (size_t i = 0; i < lines.size(); ++i)
        checker.CheckLine(lines[i], i, findings);
    checker.EndUnit(findings);
    return findings;
}

} // namespace maprune
