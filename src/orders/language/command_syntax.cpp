// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/language/command_syntax.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "core/model_text.h"

namespace maprune {

namespace {

// The game's longest syntax is under a hundred bytes. Longer texts come only
// from broken or hostile game data; parsing them would nest and multiply
// without bound, so such a command takes whatever follows it.
constexpr size_t kLongestSyntax = 512;
// Each pair of a beginning and an end of the "|" sequences makes a reading;
// the real syntaxes need a handful.
constexpr size_t kMostSequenceReadings = 64;

ParamKind KindOfPlaceholder(std::string_view name, std::u32string_view wordBefore, bool inBrackets)
{
    if (name == "Anzahl" || name == "Betrag" || name == "Stufe")
        return ParamKind::Number;
    if (name == "Einheit-Nr")
        return ParamKind::Unit;
    if (name == "Partei-Nr")
        return ParamKind::Party;
    if (name == "Burg-Nr")
        return ParamKind::Building;
    if (name == "Gegenstand" || name == "Luxusgut")
        return ParamKind::Item;
    if (name == "Talent")
        return ParamKind::Talent;
    if (name == "Rasse")
        return ParamKind::Race;
    if (name == "Schiffstyp")
        return ParamKind::ShipType;
    if (name == "Richtung")
        return ParamKind::Direction;
    if (name == "x" || name == "y")
        return ParamKind::Coordinate;
    if (name == "Ziel")
        return ParamKind::Rest;
    if (name != "Nr")
        return ParamKind::Text;
    // "NUMMER EINHEIT|SCHIFF [<Nr>]" names a new number, no existing thing.
    if (wordBefore.empty() && inBrackets)
        return ParamKind::Text;
    return KindAfterWord(wordBefore);
}

std::vector<std::string> SyntaxLexemes(std::string_view text)
{
    std::vector<std::string> lexemes;
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == ' ' || c == '\t') {
            ++pos;
        } else if (c == '[' || c == ']' || c == '|') {
            lexemes.emplace_back(1, c);
            ++pos;
        } else {
            const size_t end = std::min(text.find_first_of(" \t[]|", pos), text.size());
            lexemes.emplace_back(text.substr(pos, end - pos));
            pos = end;
        }
    }
    return lexemes;
}

// A top-level element and whether a "|" stands before it.
struct FlatNode {
    SyntaxNode Node;
    bool BarBefore = false;
};

class SyntaxParser {
public:
    explicit SyntaxParser(std::vector<std::string> lexemes)
        : FLexemes(std::move(lexemes))
    {
    }

    std::vector<FlatNode> TopLevel()
    {
        std::vector<FlatNode> nodes;
        bool bar = false;
        while (FPos < FLexemes.size()) {
            if (Peek() == "|") {
                bar = true;
                ++FPos;
                continue;
            }
            if (Peek() == "]") { // stray: nothing to close
                ++FPos;
                continue;
            }
            nodes.push_back({ Atom(bar), bar });
            bar = false;
        }
        return nodes;
    }

private:
    // Both branches are views: a mixed conditional would make a temporary
    // string and return a view into it.
    std::string_view Peek() const
    {
        return FPos < FLexemes.size() ? std::string_view(FLexemes[FPos]) : std::string_view();
    }

    SyntaxSequence Sequence()
    {
        SyntaxSequence sequence;
        while (FPos < FLexemes.size() && Peek() != "]") {
            if (Peek() == "|") {
                ++FPos;
                continue;
            }
            SyntaxNode first = Atom(false);
            if (Peek() != "|") {
                sequence.push_back(std::move(first));
                continue;
            }
            SyntaxNode choice;
            choice.Is = SyntaxNode::Choice;
            choice.Parts.push_back({ std::move(first) });
            while (Peek() == "|") {
                ++FPos;
                if (FPos < FLexemes.size() && Peek() != "]")
                    choice.Parts.push_back({ Atom(true) });
            }
            sequence.push_back(std::move(choice));
        }
        return sequence;
    }

    SyntaxNode Atom(bool barBefore)
    {
        const std::string lexeme = FLexemes[FPos++];
        SyntaxNode node;
        if (lexeme == "[") {
            node.Is = SyntaxNode::Optional;
            ++FDepth;
            node.Parts.push_back(Sequence());
            --FDepth;
            if (Peek() == "]")
                ++FPos;
            return node;
        }
        if (lexeme == "...") {
            node.Is = SyntaxNode::Repeat;
            for (const SyntaxNode& seen : FSeen)
                node.Parts.push_back({ seen });
            return node;
        }
        std::string_view name = lexeme;
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        node.Label = lexeme;
        if (name.size() >= 2 && name.front() == '<' && name.back() == '>') {
            node.Is = SyntaxNode::Param;
            node.Kind = KindOfPlaceholder(name.substr(1, name.size() - 2), FWordBefore, FDepth > 0);
            FWordBefore.clear();
        } else {
            node.Is = SyntaxNode::Keyword;
            node.Folded = SpelledOutFolded(lexeme);
            FWordBefore = barBefore || Peek() == "|" ? std::u32string() : node.Folded;
        }
        Remember(node);
        return node;
    }

    void Remember(const SyntaxNode& node)
    {
        const bool seen = std::any_of(FSeen.begin(), FSeen.end(),
            [&](const SyntaxNode& other) { return other.Label == node.Label; });
        if (!seen && node.Kind != ParamKind::Rest)
            FSeen.push_back(node);
    }

    std::vector<std::string> FLexemes;
    size_t FPos = 0;
    std::vector<SyntaxNode> FSeen; // single elements so far, for "..."
    std::u32string FWordBefore;
    int FDepth = 0; // of brackets
};

// Every "|" joins the two elements beside it.
SyntaxSequence WordReading(const std::vector<FlatNode>& flat)
{
    SyntaxSequence sequence;
    for (const FlatNode& element : flat) {
        if (!element.BarBefore || sequence.empty()) {
            sequence.push_back(element.Node);
            continue;
        }
        SyntaxNode& last = sequence.back();
        if (last.Is != SyntaxNode::Choice) {
            SyntaxNode choice;
            choice.Is = SyntaxNode::Choice;
            choice.Parts.push_back({ std::move(last) });
            last = std::move(choice);
        }
        last.Parts.push_back({ element.Node });
    }
    return sequence;
}

// The "|" separate sequences: the first begins at `start` of the part before
// the first "|", the last ends after `length` elements of the part after
// the last.
SyntaxSequence SequenceReading(
    const std::vector<SyntaxSequence>& pieces, size_t start, size_t length)
{
    const SyntaxSequence& first = pieces.front();
    const SyntaxSequence& last = pieces.back();
    SyntaxSequence sequence(first.begin(), first.begin() + static_cast<ptrdiff_t>(start));
    SyntaxNode choice;
    choice.Is = SyntaxNode::Choice;
    choice.Parts.emplace_back(first.begin() + static_cast<ptrdiff_t>(start), first.end());
    for (size_t i = 1; i + 1 < pieces.size(); ++i)
        choice.Parts.push_back(pieces[i]);
    choice.Parts.emplace_back(last.begin(), last.begin() + static_cast<ptrdiff_t>(length));
    sequence.push_back(std::move(choice));
    sequence.insert(sequence.end(), last.begin() + static_cast<ptrdiff_t>(length), last.end());
    return sequence;
}

} // namespace

ParamKind KindAfterWord(std::u32string_view word)
{
    if (word == U"einheit")
        return ParamKind::Unit;
    if (word == U"partei")
        return ParamKind::Party;
    if (word == U"burg" || word == U"gebaeude")
        return ParamKind::Building;
    if (word == U"schiff")
        return ParamKind::Ship;
    return ParamKind::Id;
}

std::u32string SpelledOutFolded(std::string_view text)
{
    const std::u32string folded = FoldedText(text);
    std::u32string result;
    result.reserve(folded.size() + 2);
    for (const char32_t c : folded) {
        switch (c) {
        case U'ä':
            result += U"ae";
            break;
        case U'ö':
            result += U"oe";
            break;
        case U'ü':
            result += U"ue";
            break;
        case U'ß':
            result += U"ss";
            break;
        default:
            result += c;
        }
    }
    return result;
}

CommandSyntax ParseCommandSyntax(std::string_view word, std::string_view syntax)
{
    CommandSyntax command;
    command.Word = word;
    command.Folded = SpelledOutFolded(word);
    command.Text = syntax;
    if (syntax.size() > kLongestSyntax) {
        SyntaxNode anything;
        anything.Is = SyntaxNode::Param;
        anything.Label = "<Ziel>";
        anything.Kind = ParamKind::Rest;
        command.Readings.push_back({ std::move(anything) });
        return command;
    }
    std::vector<std::string> lexemes = SyntaxLexemes(syntax);
    if (!lexemes.empty() && SpelledOutFolded(lexemes.front()) == command.Folded)
        lexemes.erase(lexemes.begin());
    const std::vector<FlatNode> flat = SyntaxParser(std::move(lexemes)).TopLevel();
    command.Readings.push_back(WordReading(flat));
    std::vector<SyntaxSequence> pieces(1);
    for (const FlatNode& element : flat) {
        if (element.BarBefore)
            pieces.emplace_back();
        pieces.back().push_back(element.Node);
    }
    if (pieces.size() < 2 || pieces.front().empty() || pieces.back().empty()
        || pieces.front().size() * pieces.back().size() > kMostSequenceReadings)
        return command;
    // A leading placeholder ("GIB <Einheit-Nr> ...") belongs to every alternative.
    const size_t first = pieces.front().front().Is == SyntaxNode::Param ? 1 : 0;
    for (size_t start = first; start < pieces.front().size(); ++start) {
        for (size_t length = 1; length <= pieces.back().size(); ++length)
            command.Readings.push_back(SequenceReading(pieces, start, length));
    }
    return command;
}

} // namespace maprune
