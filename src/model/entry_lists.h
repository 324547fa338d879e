// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/report_item.h"

namespace maprune {

struct TPrice {
    int32_t Price = 0;
    std::string Item;
    bool operator==(const TPrice&) const = default;
};

struct TTalent {
    std::string Talent;
    int32_t Days = 0; // learning days of the whole unit
    int32_t Level = 0;
    bool operator==(const TTalent&) const = default;
};

struct TItem {
    std::string Item;
    int32_t Count = 0;
    bool operator==(const TItem&) const = default;
};

// A report item that owns an ordered list of plain records.
template <class Entry>
class TEntryList : public TReportItem {
public:
    std::vector<Entry> Entries;
};

// Market prices of a region.
class TPrices : public TEntryList<TPrice> {
    MAPRUNE_REPORT_CLASS

    // Reads the class's CR block (src/report).
    void ReadCR(TCRInterface& cr);
};

// Skills of a unit.
class TTalents : public TEntryList<TTalent> {
    MAPRUNE_REPORT_CLASS

    // Reads the class's CR block (src/report).
    void ReadCR(TCRInterface& cr);
};

// Possessions of a unit.
class TItems : public TEntryList<TItem> {
    MAPRUNE_REPORT_CLASS

    // Reads the class's CR block (src/report).
    void ReadCR(TCRInterface& cr);
};

} // namespace maprune
