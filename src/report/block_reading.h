// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/cr_interface.h"
#include "model/report_item.h"

namespace maprune {

class TReport;
class TReportItem;

// Helpers shared by the ReadCR operations of the model classes.

// `text` as a decimal integer (optional sign, surrounding blanks allowed).
// Anything else, and a value outside the 32-bit range, ends the load through
// cr.Error("\"%s\" ist keine gültige Zahl").
int32_t CRInt(TCRInterface& cr, std::string_view text);

// Whether `name` is one of the block names of the report format. An entity
// reader that meets such a head it does not handle ends there.
bool IsBlockKeyword(std::string_view name);

// Whether `owner` is read from a report of today's format (IsTodayFormat).
bool ReadsTodayFormat(const TReport* owner);

// Skips the block whose head is current: its value lines and the sub-blocks
// that belong to it (an unknown block's sub-blocks are the heads after it
// that the format does not know). Blocks of the format that the model has
// no place for go silently; any other (unknown, or out of place) is reported
// through cr.BlockSkipped at its head's line. Returns with the next head of
// a known block current.
void SkipTodayBlock(TCRInterface& cr);

// Skips the block whose head is current with its value lines and the
// sub-blocks that belong to it, silently: a block of the format that the
// model has no place for at this level.
void SkipUnusedBlock(TCRInterface& cr);

// For a sub-block head that the entity does not take: true when the head
// ends the entity (a block name of the format, which belongs to an
// enclosing level); else the block is skipped and false returned. Older
// reports skip such a block as text lines with the warning "unknown block: "
// and its name; today's reports as SkipTodayBlock.
bool EndsEntity(TCRInterface& cr, TReport* owner);

// Stores the value line `token` in the property of `item`'s class that the
// CR description of its property table gives that key (value or appended
// form). Returns false, changing nothing, when the class has no such key.
bool ReadPropertyValue(TCRInterface& cr, TReportItem& item, const CRToken& token);

// Reads the sub-block whose head is current into the object property of
// `holder`'s class that takes blocks of that name, creating the objects
// under holder's report with turn `turn`. Returns false, leaving the head
// current, when no property takes it.
bool ReadPropertyBlock(TCRInterface& cr, TReportItem& holder, std::string_view block, int32_t turn);

// Joins a further potion ingredient to the ones before, after one blank.
void AppendIngredient(std::string& ingredients, std::string_view ingredient);

// Model bytes (a key, a name from the file) decoded for a UTF-8 message text.
std::string MessageText(std::string_view modelBytes);

// Advances past the current head and hands every following value line to
// `handle`; returns with the first other token current.
template <class Handler> void ReadValueLines(TCRInterface& cr, Handler&& handle)
{
    for (const CRToken* token = &cr.NextLine(); token->LineType == CRLineType::Value;
         token = &cr.NextLine())
        handle(*token);
}

// Advances past the current head and reads the following value lines into
// `item`'s properties by their CR keys. `special` sees each line first and
// returns whether it took it; a line that neither takes gets the warning
// `unknownWarning` followed by its key.
template <class Special>
void ReadPropertyValues(
    TCRInterface& cr, TReportItem& item, std::string_view unknownWarning, Special&& special)
{
    ReadValueLines(cr, [&](const CRToken& token) {
        if (!special(token) && !ReadPropertyValue(cr, item, token))
            cr.Warning(std::string(unknownWarning) + MessageText(token.Key));
    });
}

inline void ReadPropertyValues(TCRInterface& cr, TReportItem& item, std::string_view unknownWarning)
{
    ReadPropertyValues(cr, item, unknownWarning, [](const CRToken&) { return false; });
}

// Reads the sub-blocks that follow an entity's value lines. `handle` gets the
// name of each head and returns true when it has read that block; any other
// head goes to EndsEntity. Returns with the first foreign token current.
template <class Handler> void ReadSubBlocks(TCRInterface& cr, TReport* owner, Handler&& handle)
{
    for (const CRToken* token = &cr.CurrentLine(); token->LineType == CRLineType::BlockHead;
         token = &cr.CurrentLine()) {
        if (handle(std::string_view(token->Block)))
            continue;
        if (EndsEntity(cr, owner))
            return;
    }
}

// ReadSubBlocks for the object properties of `holder` (ReadPropertyBlock
// with holder's Turn); `special` sees each block name first and returns
// whether it has read that block.
template <class Special>
void ReadPropertyBlocks(TCRInterface& cr, TReportItem& holder, Special&& special)
{
    ReadSubBlocks(cr, holder.Owner(), [&](std::string_view block) {
        return special(block) || ReadPropertyBlock(cr, holder, block, holder.Turn);
    });
}

inline void ReadPropertyBlocks(TCRInterface& cr, TReportItem& holder)
{
    ReadPropertyBlocks(cr, holder, [](std::string_view) { return false; });
}

} // namespace maprune
