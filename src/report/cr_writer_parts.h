// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "report/cr_line_writer.h"
#include "report/cr_writer.h"

namespace maprune {

class THistoryInteger;
class TRegion;

// What the parts of WriteCRExtract share.
struct CRWriteState {
    CRLineWriter& Out;
    const CRExtractOptions& Options;
    // Written in today's format (the database came from a today's report):
    // silver as an item, "letzte..." keys, escapes.
    bool Today = false;
    // The turn that the reader will give a region without "Runde" lines: the
    // header's, changed by each party's "Runde" line.
    int32_t ReaderTurn = 0;
};

// The region block with its buildings, ships and units as the options say.
void WriteRegionBlock(CRWriteState& state, const TRegion& region);

// A history value line with the current value, when the history has one:
// a history without entries reads back as such only when left out.
void WriteHistory(CRLineWriter& out, const THistoryInteger& value, std::string_view key);

} // namespace maprune
