// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/party.h"
#include "model/past_states.h"
#include "model/region.h"
#include "model/spells.h"
#include "model/sub_object.h"

namespace maprune {

class TFastRegionList;

// The root of a report database. A report created without an owner owns
// itself; RefCount counts the items whose owner it is, itself included.
class TReport : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    // 58 stores the ship and unit values of today's reports, 59 the states
    // of earlier turns that merges keep (a database of 56 to 58 still loads).
    static constexpr int32_t kFileVersion = 59;

    std::string Config = "Standard";
    SubObject<TPartyList> Parties;
    int32_t Version = 37;
    std::string Game = "Kelvaran";
    std::string Coordinates = "Hex";
    int32_t Umlaute = 1;
    int32_t Basis = 36;
    SubObject<TRegionList> Regions;
    int32_t ActiveParty = -1;
    int32_t ActiveLayer = -1;
    SubObject<TSpells> Spells;
    SubObject<TPotions> Potions;
    int32_t PosX = 0;
    int32_t PosY = 0;
    // The map's zoom kept with the scroll positions: the tile size in pixels.
    int32_t Zoom = 64;
    std::string Series;
    // From the header of today's reports: the character set named there
    // (empty when none), the game server's order address and subject, and
    // the number of the party that received the report (-1 unknown).
    std::string Charset;
    std::string OrderAddress;
    std::string OrderSubject;
    int32_t ReportOwner = -1;
    // What merges kept of earlier states beyond the histories (past_states.h).
    SubObject<TPastObjectList> PastObjects;
    SubObject<TPastPricesList> PastPrices;

    // Unpublished.
    int32_t FileVersion = kFileVersion;
    // Called when bit 0 (selection) of a region's Tag changes.
    std::function<void(TRegion&)> SelectionChanged;

    TReport();
    ~TReport() override;

    int32_t RefCount() const { return FRefCount; }
    TReport* AddRef()
    {
        ++FRefCount;
        return this;
    }
    // `ref` must hold this report; it is cleared and the count decremented.
    // Throws Error and changes nothing otherwise.
    void ReleaseRef(TReport*& ref);

    // Consistency pass after reading: duplicate parties, ActiveParty, Turn,
    // ActiveLayer, info dates; switches the index off.
    void Finish() override;

    // Builds (on) or frees (off) the region index. Every change of the region
    // set, of coordinates or of ActiveLayer must switch it off first; each
    // switching off counts in IndexChanges.
    void SetIndexed(bool on);
    bool Indexed() const { return FFastRegions != nullptr; }
    // How often the index was switched off: the caches of the map compare it
    // with the count they were built at and drop what is out of date.
    uint64_t IndexChanges() const { return FIndexChanges; }
    // The region at (x, y, z); switches the index on.
    TRegion* FindRegion(int32_t x, int32_t y, int32_t z);

    // Distinct layers of all regions in order of first appearance.
    std::vector<int32_t> Layers() const;
    TParty* FindParty(int32_t nr) const;
    std::string PartyDescription(int32_t nr) const;
    std::string FormatNr(int32_t n) const;
    int32_t ParseNr(std::string_view text) const;

    // Reads the report header and its top-level blocks (src/report).
    void ReadCR(TCRInterface& cr);

private:
    void RemoveDuplicateParties();
    // ActiveParty, or when that is unknown the party that Finish makes it.
    int32_t ChosenActiveParty() const;
    // Settles what reading a report of today's format collected (src/report).
    void FinishTodayReading(TCRInterface& cr);

    int32_t FRefCount = 0;
    std::unique_ptr<TFastRegionList> FFastRegions;
    uint64_t FIndexChanges = 0;
};

} // namespace maprune
