// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "map/alliance_list.h"
#include "map/colour_scale.h"
#include "map/party_palette.h"

namespace maprune {

class TReport;

// A line of the legend window: its text (UTF-8) on its colour.
struct LegendEntry {
    std::string Text;
    Rgb Colour = 0;
    bool operator==(const LegendEntry&) const = default;
};

// The party list and the legend of the political map. The party list holds
// the party numbers of all political summaries of the report (all layers)
// in order of first appearance; the legend gives each party, or each
// alliance with members present, a palette colour: first the alliances in
// their order (when grouping by alliance), then the remaining parties from
// the last to the first.
class PoliticalLegend {
public:
    // 0 nothing built, 1 party list, 2 legend.
    int Stage() const { return FStage; }

    // Forgets both lists (a report was loaded) or only the legend (the
    // alliances changed).
    void Reset() { FStage = 0; }
    void DropLegend();

    // Builds what is missing: the party list when there is none, the legend
    // when there is none or it was built for the other grouping.
    void Update(const TReport& report, const AllianceList& alliances, bool byAlliance);

    const std::vector<int32_t>& Parties() const { return FParties; }
    const std::vector<LegendEntry>& Entries() const { return FEntries; }

    // The legend entry that covers the party (its own or its alliance's),
    // or null.
    const LegendEntry* EntryOf(int32_t party) const;
    // Colour and text of that entry; colour 0 and "??? (this must be a bug): "
    // with the number for a party that no entry covers.
    LegendEntry PartyColour(int32_t party) const;

private:
    void BuildPartyList(const TReport& report);
    void BuildLegend(const TReport& report, const AllianceList& alliances, bool byAlliance);

    int FStage = 0;
    bool FByAlliance = false;
    PartyColourCursor FCursor;
    std::vector<int32_t> FParties;
    std::vector<LegendEntry> FEntries;
    std::unordered_map<int32_t, size_t> FEntryOfParty;
};

} // namespace maprune
