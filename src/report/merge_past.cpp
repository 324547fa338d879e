// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/merge_past.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "model/region.h"

namespace maprune {

namespace {

// Adds the turns of the list's records to `turns`.
template <class List> void RecordedTurns(const List& list, std::vector<int32_t>& turns)
{
    for (const auto* past : list) {
        if (past != nullptr)
            turns.push_back(past->Turn);
    }
}

template <class List> void DropBefore(List& list, int32_t oldest)
{
    bool dropped = false;
    for (size_t i = 0; i < list.Count(); ++i) {
        if (list[i] != nullptr && list[i]->Turn < oldest) {
            list.Release(i);
            dropped = true;
        }
    }
    if (dropped)
        list.Pack();
}

bool SamePlace(const TRegion& a, const TRegion& b)
{
    return a.CX == b.CX && a.CY == b.CY && a.CZ == b.CZ;
}

} // namespace

PastRecorder::PastRecorder(TReport& dest, const TReport& src, const MergeTurns& turns)
    : FDest(dest)
    , FOlderTurn(std::min(turns.Dest, turns.Src))
    , FNewerTurn(turns.Newest())
    , FOlderView(turns.SrcNewer() ? dest.ActiveParty : src.ActiveParty)
{
    for (const TPastObject* past : *dest.PastObjects)
        FObjects.emplace(past->Kind, past->Nr, past->Turn);
    for (const TPastPrices* past : *dest.PastPrices)
        FPrices.emplace(past->X, past->Y, past->Z, past->Turn);
}

bool PastRecorder::Unknown(int32_t kind, int32_t nr, int32_t turn)
{
    return FObjects.emplace(kind, nr, turn).second;
}

TPastObject& PastRecorder::Record(
    int32_t kind, const TNamedItem& object, const TRegion& region, bool gone)
{
    auto past = CreateEmpty<TPastObject>(&FDest);
    past->Turn = FOlderTurn;
    past->Kind = kind;
    past->Nr = object.Nr;
    past->Name = object.Name;
    past->Party = object.Party;
    past->X = region.CX;
    past->Y = region.CY;
    past->Z = region.CZ;
    past->Gone = gone ? 1 : 0;
    TPastObject& added = *past;
    FDest.PastObjects->Add(std::move(past));
    return added;
}

void PastRecorder::Add(const TUnit& unit, const TRegion& region, bool gone)
{
    if (!Unknown(TPastObject::Unit, unit.Nr, FOlderTurn))
        return;
    TPastObject& past = Record(TPastObject::Unit, unit, region, gone);
    past.Persons = unit.Count->CurrentValue();
    if (unit.Party == FOlderView) {
        past.ItemsKnown = 1;
        past.Items->Entries = unit.Items->Entries;
    }
}

void PastRecorder::Compare(
    const TUnit& older, const TRegion& olderRegion, const TUnit& newer, const TRegion& newerRegion)
{
    if (!Active())
        return;
    const bool own = older.Party == FOlderView && newer.Party == older.Party;
    if (!SamePlace(olderRegion, newerRegion) || older.Party != newer.Party
        || (own && older.Items->Entries != newer.Items->Entries))
        Add(older, olderRegion, false);
}

void PastRecorder::Compare(
    const TShip& older, const TRegion& olderRegion, const TShip& newer, const TRegion& newerRegion)
{
    if (!Active() || (SamePlace(olderRegion, newerRegion) && older.Party == newer.Party)
        || !Unknown(TPastObject::Ship, older.Nr, FOlderTurn))
        return;
    Record(TPastObject::Ship, older, olderRegion, false).Type_ = older.Type_;
}

void PastRecorder::Gone(const TUnit& unit, const TRegion& region)
{
    if (Active())
        Add(unit, region, true);
}

void PastRecorder::Gone(const TShip& ship, const TRegion& region)
{
    if (Active() && Unknown(TPastObject::Ship, ship.Nr, FOlderTurn))
        Record(TPastObject::Ship, ship, region, true).Type_ = ship.Type_;
}

void PastRecorder::ComparePrices(const TRegion& a, const TRegion& b)
{
    if (a.FullInfoDate == b.FullInfoDate || a.Prices->Entries.empty() || b.Prices->Entries.empty()
        || a.Prices->Entries == b.Prices->Entries)
        return;
    const TRegion& older = a.FullInfoDate < b.FullInfoDate ? a : b;
    if (older.FullInfoDate < 1
        || !FPrices.emplace(older.CX, older.CY, older.CZ, older.FullInfoDate).second)
        return;
    auto past = CreateEmpty<TPastPrices>(&FDest);
    past->Turn = older.FullInfoDate;
    past->X = older.CX;
    past->Y = older.CY;
    past->Z = older.CZ;
    past->Prices->Entries = older.Prices->Entries;
    FDest.PastPrices->Add(std::move(past));
}

void PastRecorder::TakeRecords(TReport& src)
{
    for (size_t i = 0; i < src.PastObjects->Count(); ++i) {
        const TPastObject* past = (*src.PastObjects)[i];
        if (past != nullptr && Unknown(past->Kind, past->Nr, past->Turn))
            FDest.PastObjects->Add(src.PastObjects->Release(i));
    }
    src.PastObjects->Pack();
    for (size_t i = 0; i < src.PastPrices->Count(); ++i) {
        const TPastPrices* past = (*src.PastPrices)[i];
        if (past != nullptr && FPrices.emplace(past->X, past->Y, past->Z, past->Turn).second)
            FDest.PastPrices->Add(src.PastPrices->Release(i));
    }
    src.PastPrices->Pack();
}

void TrimPastStates(TReport& report, int32_t turns)
{
    std::vector<int32_t> recorded;
    RecordedTurns(*report.PastObjects, recorded);
    RecordedTurns(*report.PastPrices, recorded);
    std::sort(recorded.begin(), recorded.end(), std::greater<>());
    recorded.erase(std::unique(recorded.begin(), recorded.end()), recorded.end());
    const auto kept = static_cast<size_t>(std::max(turns, 1));
    if (recorded.size() <= kept)
        return;
    const int32_t oldest = recorded[kept - 1];
    DropBefore(*report.PastObjects, oldest);
    DropBefore(*report.PastPrices, oldest);
}

} // namespace maprune
