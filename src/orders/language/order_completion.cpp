// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/language/order_completion.h"

#include <algorithm>

#include "orders/language/order_check.h"
#include "orders/language/order_grammar.h"
#include "orders/language/order_tokens.h"
#include "orders/language/syntax_match.h"

namespace maprune {

namespace {

class CandidateList {
public:
    CandidateList(std::string_view prefix, std::vector<CompletionCandidate>& out)
        : FPrefix(SpelledOutFolded(prefix))
        , FOut(out)
    {
    }

    void Add(const std::string& text, const std::string& label)
    {
        if (!SpelledOutFolded(text).starts_with(FPrefix))
            return;
        const bool known = std::any_of(FOut.begin(), FOut.end(),
            [&](const CompletionCandidate& candidate) { return candidate.Text == text; });
        if (!known)
            FOut.push_back({ text, label });
    }

    void AddNames(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            Add(name, name);
    }

    void AddNumbered(const std::vector<NumberedName>& things)
    {
        for (const NumberedName& thing : things)
            Add(thing.Number, thing.Number + "  " + thing.Name);
    }

private:
    std::u32string FPrefix;
    std::vector<CompletionCandidate>& FOut;
};

void AddKind(const OrderGrammar& grammar, const OrderScope& scope, ParamKind kind,
    std::u32string_view wordBefore, CandidateList& list)
{
    switch (kind) {
    case ParamKind::Item:
        list.AddNames(scope.OwnItems);
        list.AddNames(grammar.Names(kind));
        break;
    case ParamKind::Unit:
        list.AddNumbered(scope.Units);
        for (const std::string& temp : scope.Temps)
            list.Add("TEMP " + temp, "TEMP " + temp);
        break;
    case ParamKind::Building:
        list.AddNumbered(scope.Buildings);
        break;
    case ParamKind::Ship:
        list.AddNumbered(scope.Ships);
        break;
    case ParamKind::Id:
        if (KindAfterWord(wordBefore) != ParamKind::Id) {
            AddKind(grammar, scope, KindAfterWord(wordBefore), wordBefore, list);
        } else {
            list.AddNumbered(scope.Buildings);
            list.AddNumbered(scope.Ships);
        }
        break;
    default:
        list.AddNames(grammar.Names(kind));
    }
}

} // namespace

OrderCompletion CompleteOrder(
    const OrderGrammar& grammar, const OrderScope& scope, std::string_view line, size_t cursor)
{
    OrderCompletion completion;
    cursor = std::min(cursor, line.size());
    completion.Begin = completion.End = cursor;
    OrderWords words = SplitOrderLine(line.substr(0, cursor));
    if (words.CommentStart != std::string_view::npos
        || words.UnclosedQuote != std::string_view::npos)
        return completion;
    std::string prefix;
    if (!words.Tokens.empty() && words.Tokens.back().End == cursor && !words.Tokens.back().Quoted) {
        prefix = words.Tokens.back().Text;
        completion.Begin = words.Tokens.back().Begin;
        words.Tokens.pop_back();
    }
    const size_t wordEnd = line.find_first_of(" \t;\"", cursor);
    completion.End = wordEnd == std::string_view::npos ? line.size() : wordEnd;
    CandidateList list(prefix, completion.Candidates);
    if (words.Tokens.empty()) {
        for (const CommandSyntax& command : grammar.Commands())
            list.Add(command.Word, command.Text);
        return completion;
    }
    const CommandSyntax* command = grammar.FindCommand(words.Tokens.front().Text);
    if (command == nullptr || OpensTemp(grammar, words))
        return completion;
    const std::vector<OrderToken> parameters(words.Tokens.begin() + 1, words.Tokens.end());
    const std::u32string wordBefore
        = parameters.empty() ? std::u32string() : SpelledOutFolded(parameters.back().Text);
    for (const SyntaxNode* node : ExpectedAfter(*command, parameters)) {
        if (node->Is == SyntaxNode::Keyword)
            list.Add(node->Label, node->Label);
        else
            AddKind(grammar, scope, node->Kind, wordBefore, list);
    }
    return completion;
}

} // namespace maprune
