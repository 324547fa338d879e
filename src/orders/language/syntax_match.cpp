// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/language/syntax_match.h"

#include <algorithm>
#include <cctype>

namespace maprune {

namespace {

// A line has a dozen words; this bounds the search for any syntax text.
constexpr size_t kMaxSteps = 20000;
constexpr size_t kMaxLongestId = 6;
constexpr size_t kLabelsShown = 6;

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

bool IsId(const OrderToken& token)
{
    return !token.Quoted && !token.Text.empty() && token.Text.size() <= kMaxLongestId
        && std::all_of(token.Text.begin(), token.Text.end(),
            [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// The rest of a syntax still to match: a sequence from an index, then the
// rest of the enclosing sequence.
struct Continuation {
    const SyntaxSequence* Sequence;
    size_t Index;
    const Continuation* Next;
};

struct ValueUse {
    ParamKind Kind;
    size_t First;
    size_t Count;
};

class Walker {
public:
    Walker(const std::vector<OrderToken>& tokens, const ValueJudge* judge)
        : FTokens(tokens)
        , FJudge(judge)
    {
        for (const OrderToken& token : tokens)
            FFolded.push_back(token.Quoted ? std::u32string() : SpelledOutFolded(token.Text));
    }

    void Run(const CommandSyntax& command)
    {
        for (const SyntaxSequence& reading : command.Readings) {
            const Continuation start { &reading, 0, nullptr };
            Walk(&start, 0);
        }
    }

    bool Complete = false;
    std::vector<OrderFinding> Best;
    size_t Furthest = 0;
    std::vector<const SyntaxNode*> Expected; // at Furthest
    bool EndsAtFurthest = false; // a reading ended there with words left

private:
    bool Done() const
    {
        return (FJudge != nullptr && Complete && Best.empty()) || FSteps > kMaxSteps;
    }

    void Walk(const Continuation* next, size_t pos)
    {
        if (Done())
            return;
        ++FSteps;
        while (next != nullptr && next->Index == next->Sequence->size())
            next = next->Next;
        if (next == nullptr) {
            Finish(pos);
            return;
        }
        const SyntaxNode& node = (*next->Sequence)[next->Index];
        const Continuation rest { next->Sequence, next->Index + 1, next->Next };
        switch (node.Is) {
        case SyntaxNode::Keyword:
            Expect(pos, node);
            if (pos < FTokens.size() && FFolded[pos] == node.Folded)
                Walk(&rest, pos + 1);
            break;
        case SyntaxNode::Param:
            Expect(pos, node);
            for (const size_t count : Counts(node.Kind, pos)) {
                FUses.push_back({ node.Kind, pos, count });
                Walk(&rest, pos + count);
                FUses.pop_back();
            }
            break;
        case SyntaxNode::Optional: {
            const Continuation inner { &node.Parts.front(), 0, &rest };
            Walk(&inner, pos);
            Walk(&rest, pos);
            break;
        }
        case SyntaxNode::Choice:
            for (const SyntaxSequence& alternative : node.Parts) {
                const Continuation inner { &alternative, 0, &rest };
                Walk(&inner, pos);
            }
            break;
        case SyntaxNode::Repeat:
            // Each repeated element takes a word, so this ends.
            for (const SyntaxSequence& element : node.Parts) {
                const Continuation inner { &element, 0, next };
                Walk(&inner, pos);
            }
            Walk(&rest, pos);
            break;
        }
    }

    // How many words a placeholder can take at `pos`.
    std::vector<size_t> Counts(ParamKind kind, size_t pos) const
    {
        const size_t left = FTokens.size() - pos;
        if (kind == ParamKind::Rest) {
            std::vector<size_t> counts;
            for (size_t count = left + 1; count-- > 0;)
                counts.push_back(count);
            return counts;
        }
        if (left == 0)
            return {};
        const OrderToken& token = FTokens[pos];
        switch (kind) {
        case ParamKind::Number:
            return AllDigits(token.Text) && !token.Quoted ? std::vector<size_t> { 1 }
                                                          : std::vector<size_t> {};
        case ParamKind::Coordinate: {
            const std::string_view digits
                = std::string_view(token.Text).substr(token.Text.starts_with('-') ? 1 : 0);
            return AllDigits(digits) ? std::vector<size_t> { 1 } : std::vector<size_t> {};
        }
        case ParamKind::Unit:
            if (FFolded[pos] == U"temp")
                return { std::min<size_t>(2, left) };
            [[fallthrough]];
        case ParamKind::Party:
        case ParamKind::Building:
        case ParamKind::Ship:
        case ParamKind::Id:
            return IsId(token) ? std::vector<size_t> { 1 } : std::vector<size_t> {};
        case ParamKind::Item:
        case ParamKind::Talent:
        case ParamKind::Race:
        case ParamKind::ShipType:
            return AllDigits(token.Text) ? std::vector<size_t> {} : std::vector<size_t> { 1 };
        default:
            return { 1 };
        }
    }

    void Expect(size_t pos, const SyntaxNode& node)
    {
        if (pos > Furthest) {
            Furthest = pos;
            Expected.clear();
            EndsAtFurthest = false;
        }
        if (pos == Furthest && std::find(Expected.begin(), Expected.end(), &node) == Expected.end())
            Expected.push_back(&node);
    }

    void Finish(size_t pos)
    {
        if (pos < FTokens.size()) {
            if (pos > Furthest) {
                Furthest = pos;
                Expected.clear();
            }
            if (pos == Furthest)
                EndsAtFurthest = true;
            return;
        }
        Furthest = std::max(Furthest, pos);
        if (FJudge == nullptr) {
            Complete = true;
            return;
        }
        std::vector<OrderFinding> findings;
        for (const ValueUse& use : FUses) {
            // "BETRETE BURG|SCHIFF <Nr>": the word before tells the kind.
            const ParamKind kind = use.Kind == ParamKind::Id && use.First > 0
                ? KindAfterWord(FFolded[use.First - 1])
                : use.Kind;
            (*FJudge)(kind, FTokens.data() + use.First, use.Count, findings);
        }
        if (!Complete || Weight(findings) < Weight(Best))
            Best = std::move(findings);
        Complete = true;
    }

    static size_t Weight(const std::vector<OrderFinding>& findings)
    {
        size_t weight = 0;
        for (const OrderFinding& finding : findings)
            weight += finding.Level == FindingLevel::Error ? findings.size() + 1 : 1;
        return weight;
    }

    const std::vector<OrderToken>& FTokens;
    const ValueJudge* FJudge;
    std::vector<std::u32string> FFolded;
    std::vector<ValueUse> FUses;
    size_t FSteps = 0;
};

std::string Labels(const std::vector<const SyntaxNode*>& nodes)
{
    std::vector<std::string> labels;
    for (const SyntaxNode* node : nodes) {
        if (std::find(labels.begin(), labels.end(), node->Label) == labels.end())
            labels.push_back(node->Label);
    }
    std::string text;
    for (size_t i = 0; i < labels.size() && i < kLabelsShown; ++i) {
        if (i > 0)
            text += i + 1 == labels.size() ? " oder " : ", ";
        text += labels[i];
    }
    if (labels.size() > kLabelsShown)
        text += " …";
    return text;
}

} // namespace

std::vector<OrderFinding> MatchParameters(const CommandSyntax& command, const OrderToken& word,
    const std::vector<OrderToken>& parameters, const ValueJudge& judge)
{
    Walker walker(parameters, &judge);
    walker.Run(command);
    if (walker.Complete)
        return walker.Best;
    OrderFinding finding;
    if (walker.Furthest >= parameters.size()) {
        const OrderToken& last = parameters.empty() ? word : parameters.back();
        finding.Begin = last.Begin;
        finding.End = last.End;
        finding.Message = "Es fehlt " + Labels(walker.Expected) + " (" + command.Text + ")";
        return { finding };
    }
    const OrderToken& wrong = parameters[walker.Furthest];
    finding.Begin = wrong.Begin;
    finding.End = wrong.End;
    if (walker.Expected.empty()) {
        finding.Begin = wrong.Begin;
        finding.End = parameters.back().End;
        finding.Level = FindingLevel::Warning;
        finding.Message = "Überzähliger Parameter (" + command.Text + ")";
    } else {
        finding.Message = "Erwartet " + Labels(walker.Expected) + " statt \"" + wrong.Text + "\"";
    }
    return { finding };
}

std::vector<const SyntaxNode*> ExpectedAfter(
    const CommandSyntax& command, const std::vector<OrderToken>& parameters)
{
    Walker walker(parameters, nullptr);
    walker.Run(command);
    if (walker.Furthest != parameters.size())
        return {};
    return walker.Expected;
}

} // namespace maprune
