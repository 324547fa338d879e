// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace maprune {

// What a placeholder of a command's syntax stands for.
enum class ParamKind {
    Number, // <Anzahl>, <Betrag>, <Stufe>
    Unit, // <Einheit-Nr>, also "TEMP n"
    Party,
    Building,
    Ship,
    Id, // a <Nr> whose kind the words before it leave open
    Item,
    Talent,
    Race,
    ShipType,
    Direction,
    Coordinate,
    Text, // one word or a quoted text
    Rest, // whatever follows (<Ziel>)
};

// One element of a syntax: a key word, a placeholder, or a group of them.
struct SyntaxNode {
    enum Type { Keyword, Param, Optional, Choice, Repeat };
    Type Is = Keyword;
    std::string Label; // the key word or "<Gegenstand>" as the syntax writes it
    std::u32string Folded; // key words: folded, umlauts spelled out
    ParamKind Kind = ParamKind::Text;
    // Optional: one sequence; Choice: the alternatives; Repeat: the single
    // elements before the "..." in the syntax, any of which may follow again.
    std::vector<std::vector<SyntaxNode>> Parts;
};

using SyntaxSequence = std::vector<SyntaxNode>;

// A command of the game data with its syntax, e.g.
// "MACHE [<Anzahl>] <Gegenstand>|BURG [<Nr>]|SCHIFF [<Nr>]|<Schiffstyp>|STRASSE <Richtung>".
// The texts do not say how far a "|" reaches: in "VERKAUFE <Anzahl>|ALLES
// <Luxusgut>" it joins two words, in the MACHE above it separates whole
// sequences, and in "GIB <Einheit-Nr> <Anzahl>|ALLES <Gegenstand>|EINHEIT|KOMMANDO"
// both. So the parameters have several readings, and a line is right when it
// fits one: "|" joining the neighbouring words, and "|" separating sequences
// that begin anywhere in the part before the first "|" (after a leading
// placeholder, which all share) and end anywhere in the part after the last.
struct CommandSyntax {
    std::string Word; // UTF-8, as the game data writes it
    std::u32string Folded;
    std::string Text;
    std::vector<SyntaxSequence> Readings; // of the parameters after the word
};

CommandSyntax ParseCommandSyntax(std::string_view word, std::string_view syntax);

// The kind of a <Nr> after the key word `word` (folded): EINHEIT, PARTEI,
// BURG or GEBÄUDE, SCHIFF; Id after any other.
ParamKind KindAfterWord(std::u32string_view word);

// Folded text (model_text.h) with ä, ö, ü spelled out and ß as "ss", the
// form in which players may write any name.
std::u32string SpelledOutFolded(std::string_view text);

} // namespace maprune
