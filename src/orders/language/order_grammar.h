// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "orders/language/command_syntax.h"

namespace maprune {

class GameData;

// The order language of the game data: its commands with their syntax and
// the names the placeholders take (items, talents, races, ship types,
// directions). Built once; lookups do not touch the game data again.
class OrderGrammar {
public:
    explicit OrderGrammar(GameData& data);

    const std::vector<CommandSyntax>& Commands() const { return FCommands; }

    // The command a player means by `word`, as the game server reads it:
    // the command itself, a word that begins with it ("ARBEITEN"), or the
    // beginning of exactly one command, three letters or more ("BEW").
    // Null when none fits; `others` then gets the commands that an
    // ambiguous beginning fits (empty for an unknown word).
    const CommandSyntax* FindCommand(
        std::string_view word, std::vector<const CommandSyntax*>* others = nullptr) const;

    // Whether `word` ('~' as blank) names a thing of the kind: items (and
    // races, which can be handed over as persons), talents, races, ship
    // types and directions; any word for the other kinds.
    bool Knows(ParamKind kind, std::string_view word) const;
    // The names of the kind in the game data's forms (singular, plural),
    // UTF-8, in the data's order; empty for the kinds without names.
    const std::vector<std::string>& Names(ParamKind kind) const;

private:
    struct Vocabulary {
        std::unordered_set<std::u32string> Folded;
        std::vector<std::string> Names;
    };
    static constexpr size_t kNamedKinds = 5;
    static int Slot(ParamKind kind);
    void AddName(ParamKind kind, std::string_view name, bool shown);

    std::vector<CommandSyntax> FCommands;
    std::array<Vocabulary, kNamedKinds> FVocabularies;
};

} // namespace maprune
