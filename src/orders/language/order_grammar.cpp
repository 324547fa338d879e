// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/language/order_grammar.h"

#include <algorithm>

#include "model/game_data.h"

namespace maprune {

namespace {

constexpr size_t kShortestAbbreviation = 3;

// The directions as orders name them: the short words first, then the long.
constexpr std::array<const char*, 12> kDirections { "W", "NW", "NO", "O", "SO", "SW", "Westen",
    "Nordwesten", "Nordosten", "Osten", "Südosten", "Südwesten" };

template <typename Visit> void ForEachName(std::string_view names, Visit visit)
{
    while (!names.empty()) {
        const size_t bar = std::min(names.find('|'), names.size());
        if (bar > 0)
            visit(names.substr(0, bar));
        names.remove_prefix(std::min(bar + 1, names.size()));
    }
}

std::string WithBlanks(std::string_view word)
{
    std::string text(word);
    std::replace(text.begin(), text.end(), '~', ' ');
    return text;
}

} // namespace

OrderGrammar::OrderGrammar(GameData& data)
{
    for (size_t i = 0; i < data.Count(); ++i) {
        const GameRecord& record = data.Record(i);
        ParamKind kind = ParamKind::Text;
        switch (record.Kind()) {
        case KindCommand:
            ForEachName(record.Names, [&](std::string_view word) {
                FCommands.push_back(ParseCommandSyntax(word, record.Singular));
            });
            continue;
        case KindRace:
            kind = ParamKind::Race;
            break;
        case KindTalent:
            kind = ParamKind::Talent;
            break;
        case KindShip:
            kind = ParamKind::ShipType;
            break;
        default:
            if ((kinds::Items >> record.Kind() & 1) == 0)
                continue;
            kind = ParamKind::Item;
        }
        ForEachName(record.Names, [&](std::string_view name) { AddName(kind, name, false); });
        AddName(kind, record.Singular, true);
        ForEachName(record.Plural, [&](std::string_view name) { AddName(kind, name, true); });
    }
    for (const char* direction : kDirections)
        AddName(ParamKind::Direction, direction, true);
}

int OrderGrammar::Slot(ParamKind kind)
{
    switch (kind) {
    case ParamKind::Item:
        return 0;
    case ParamKind::Talent:
        return 1;
    case ParamKind::Race:
        return 2;
    case ParamKind::ShipType:
        return 3;
    case ParamKind::Direction:
        return 4;
    default:
        return -1;
    }
}

void OrderGrammar::AddName(ParamKind kind, std::string_view name, bool shown)
{
    if (name.empty())
        return;
    Vocabulary& vocabulary = FVocabularies[static_cast<size_t>(Slot(kind))];
    vocabulary.Folded.insert(SpelledOutFolded(name));
    if (shown
        && std::find(vocabulary.Names.begin(), vocabulary.Names.end(), name)
            == vocabulary.Names.end())
        vocabulary.Names.emplace_back(name);
}

const CommandSyntax* OrderGrammar::FindCommand(
    std::string_view word, std::vector<const CommandSyntax*>* others) const
{
    const std::u32string folded = SpelledOutFolded(word);
    const CommandSyntax* inflected = nullptr;
    std::vector<const CommandSyntax*> beginnings;
    for (const CommandSyntax& command : FCommands) {
        if (folded == command.Folded)
            return &command;
        if (folded.starts_with(command.Folded)
            && (inflected == nullptr || command.Folded.size() > inflected->Folded.size()))
            inflected = &command;
        if (folded.size() >= kShortestAbbreviation && command.Folded.starts_with(folded))
            beginnings.push_back(&command);
    }
    if (inflected != nullptr)
        return inflected;
    if (beginnings.size() == 1)
        return beginnings.front();
    if (others != nullptr)
        *others = std::move(beginnings);
    return nullptr;
}

bool OrderGrammar::Knows(ParamKind kind, std::string_view word) const
{
    const int slot = Slot(kind);
    if (slot < 0)
        return true;
    const std::u32string folded = SpelledOutFolded(WithBlanks(word));
    if (FVocabularies[static_cast<size_t>(slot)].Folded.contains(folded))
        return true;
    return kind == ParamKind::Item && Knows(ParamKind::Race, word);
}

const std::vector<std::string>& OrderGrammar::Names(ParamKind kind) const
{
    static const std::vector<std::string> none;
    const int slot = Slot(kind);
    return slot < 0 ? none : FVocabularies[static_cast<size_t>(slot)].Names;
}

} // namespace maprune
