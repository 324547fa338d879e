// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace maprune {

class ByteSink;
class TReport;

// What a CR extract holds besides the report header, the region heads and
// their terrains; the defaults are those of the export dialog's first showing.
struct CRExtractOptions {
    bool RegionNames = true;
    bool RegionInfo = true; // resources, prices, descriptions, region texts
    bool Buildings = true;
    bool UnitsAndShips = false;
    bool PartyInfo = false; // parties, spells, potions, messages, unit details
    bool TimeInfo = false; // the turns of outdated information

    // Everything on: the full report that "Report speichern" and VORLAGE get.
    static CRExtractOptions Everything() { return { true, true, true, true, true, true }; }
};

// Writes `report` in the CR format that the CR reader reads, every line
// ending in CR LF: the header, with party information the parties, spells
// and potions, then the regions in stored order, all of them with
// `allRegions`, else those selected (bit 0 of their Tag). Keys and block
// names come from the model's property tables. Texts are written in the
// report's encoding, which the header's charset key declares. A report of
// today's format (IsTodayFormat of its Version) is written in that version,
// with escaped strings, its units' silver as an item and the "letzte..."
// keys of its regions; any other in version 37, where texts stand as they
// are and one holding a double quote followed by a semicolon (or, in a line
// block, any double quote) cannot be read back as it was. Throws what the
// sink throws.
void WriteCRExtract(
    const TReport& report, const CRExtractOptions& options, bool allRegions, ByteSink& sink);

// An order as the COMMANDS block of a CR holds it: every double quote
// removed, each blank between an opening and a closing quote turned into
// "~" (the order-file writer turns such words back into quoted ones).
std::string CROrderText(const std::string& order);

} // namespace maprune
