// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace maprune {

// What the first word of an order line is, for the orders editor's colours.
struct OrderLineKind {
    enum Kind {
        Empty,
        Comment, // starts with ";" or "//"
        Command, // a command of the game reference data
        Unknown, // a first word that is no command
    };
    Kind Is = Empty;
    size_t WordStart = 0; // the first word, in bytes of the line
    size_t WordLength = 0;
};

// The commands of the game reference data (records of kind 11), read once.
// Players write them abbreviated ("ARB") or inflected ("ARBEITEN" for
// "ARBEITE"), as the game server takes them: a word is a command when it
// begins with a command's name, or is the beginning (three letters or
// more) of one.
class OrderVocabulary {
public:
    OrderVocabulary();
    // A leading "@" (an order that stays) is no part of the word.
    OrderLineKind Classify(std::string_view line) const;

private:
    bool IsCommand(const std::u32string& word) const;

    std::vector<std::u32string> FCommands; // case-folded
};

} // namespace maprune
