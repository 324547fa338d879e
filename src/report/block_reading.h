// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/cr_interface.h"

namespace maprune {

class TNamedItem;
class TReport;

// Helpers shared by the ReadCR operations of the model classes.

// `text` as a decimal integer (optional sign, surrounding blanks allowed).
// Anything else, and a value outside the 32-bit range, ends the load through
// cr.Error("\"%s\" ist keine gültige Zahl").
int32_t CRInt(TCRInterface& cr, std::string_view text);

// Whether `name` is one of the block names of the report format. An entity
// reader that meets such a head it does not handle ends there.
bool IsBlockKeyword(std::string_view name);

// Reads the block whose head is current as text lines, throws them away and
// warns "unknown block: " with its name.
void SkipUnknownBlock(TCRInterface& cr, TReport* owner);

// The value lines every named entity (unit, ship, building) knows: "Name",
// "Beschr" and "Partei". Returns whether `token` was one of them.
bool ReadNamedItemValue(TCRInterface& cr, TNamedItem& item, const CRToken& token);

// Joins a further potion ingredient to the ones before, after one blank.
void AppendIngredient(std::string& ingredients, std::string_view ingredient);

// Model bytes (a key, a name from the file) decoded for a UTF-8 message text.
std::string MessageText(std::string_view modelBytes);

// Advances past the current head and hands every following value line to
// `handle`; returns with the first other token current.
template <class Handler>
void ReadValueLines(TCRInterface& cr, Handler&& handle)
{
    for (const CRToken* token = &cr.NextLine(); token->LineType == CRLineType::Value;
         token = &cr.NextLine())
        handle(*token);
}

// Reads the sub-blocks that follow an entity's value lines. `handle` gets the
// name of each head and returns true when it has read that block. A name of
// the block keyword table that it does not take ends the entity; any other
// is skipped with a warning. Returns with the first foreign token current.
template <class Handler>
void ReadSubBlocks(TCRInterface& cr, TReport* owner, Handler&& handle)
{
    for (const CRToken* token = &cr.CurrentLine(); token->LineType == CRLineType::BlockHead;
         token = &cr.CurrentLine()) {
        if (handle(std::string_view(token->Block)))
            continue;
        if (IsBlockKeyword(token->Block))
            return;
        SkipUnknownBlock(cr, owner);
    }
}

} // namespace maprune
