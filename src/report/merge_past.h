// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <set>
#include <tuple>

#include "report/merge_support.h"

namespace maprune {

class TRegion;
class TShip;
class TUnit;

// Records in the database what a merge of two reports of different turns
// replaces or drops beyond the histories (model/past_states.h): the older
// state of a unit or ship shown elsewhere, under another party or (own
// units, from the own party's view) with other items; a unit or ship the
// newer report no longer shows; the older market prices of a region. A
// state the database holds already for that object and turn stays. Merges
// of equal turns record nothing.
class PastRecorder {
public:
    PastRecorder(TReport& dest, const TReport& src, const MergeTurns& turns);

    // `older` in `olderRegion` of the older turn, `newer` in `newerRegion`
    // of the newer one.
    void Compare(const TUnit& older, const TRegion& olderRegion, const TUnit& newer,
        const TRegion& newerRegion);
    void Compare(const TShip& older, const TRegion& olderRegion, const TShip& newer,
        const TRegion& newerRegion);
    // An object of the older turn that the newer report lacks.
    void Gone(const TUnit& unit, const TRegion& region);
    void Gone(const TShip& ship, const TRegion& region);
    // Before the regions' prices are merged: the prices of the one described
    // earlier, when both have prices and they differ.
    void ComparePrices(const TRegion& a, const TRegion& b);
    // The states recorded in the added database itself.
    void TakeRecords(TReport& src);

private:
    bool Active() const { return FOlderTurn != FNewerTurn; }
    bool Unknown(int32_t kind, int32_t nr, int32_t turn);
    TPastObject& Record(int32_t kind, const TNamedItem& object, const TRegion& region, bool gone);
    void Add(const TUnit& unit, const TRegion& region, bool gone);

    TReport& FDest;
    const int32_t FOlderTurn;
    const int32_t FNewerTurn;
    const int32_t FOlderView; // the own party of the older report
    std::set<std::tuple<int32_t, int32_t, int32_t>> FObjects; // kind, nr, turn
    std::set<std::tuple<int32_t, int32_t, int32_t, int32_t>> FPrices; // x, y, z, turn
};

// Drops the recorded states of all but the `turns` newest turns that the
// records hold (at least one). Since a state is read from the first record
// at or after a turn, the states of the `turns` + 1 newest turns of the
// database read as before.
void TrimPastStates(TReport& report, int32_t turns);

} // namespace maprune
