// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts of a report that only today's format (version 69) has.

#include <string>

#include "bench/crgen/report_writer.h"
#include "bench/crgen/world.h"

namespace maprune::crgen::detail {

// Message type numbers that the writers of regions use.
constexpr int kRegionEventMessageType = 2001;
// A message type that no MESSAGETYPE block describes.
constexpr int kUndescribedMessageType = 4242;

// A MESSAGE block with its type and rendered text.
void WriteMessage(ReportWriter& w, int nr, int type, const std::string& rendered);

// The header keys after "Runde" and the top-level blocks before the party.
void WriteTodayHeader(ReportWriter& w, const World& world, const View& view);
// The viewing party, its messages and spell book, and the other parties.
void WriteTodayParty(ReportWriter& w, const World& world, const View& view, int persons);
// The blocks after the regions: the fight, the message types, translations.
void WriteTodayEnd(ReportWriter& w, const World& world, const View& view);
// The region keys that today's servers and tools add.
void WriteTodayRegionKeys(ReportWriter& w, const Region& r, Detail detail);
// Resources, roads, effects and the region's unknown block of a fully seen
// land region.
void WriteTodayRegionBlocks(ReportWriter& w, const Region& r, const View& view);
// Chooses the region and unit that get the unknown blocks.
void PlaceUnknownBlocks(const World& world, View& view);

} // namespace maprune::crgen::detail
