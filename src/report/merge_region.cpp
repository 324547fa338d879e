// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/merge_region.h"

#include <charconv>
#include <string>
#include <unordered_set>

#include "model/region.h"

namespace maprune {

namespace {

constexpr const char* kUnknownLine = "-1";

int64_t LineValue(const std::string& text)
{
    int64_t value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

void MoveHistories(TRegion& to, TRegion& from)
{
    for (auto member : { &TRegion::Horses, &TRegion::Iron, &TRegion::Laen, &TRegion::Peasants,
             &TRegion::Silver, &TRegion::Street, &TRegion::Trees, &TRegion::Wages, &TRegion::Stones,
             &TRegion::Saplings, &TRegion::MallornSaplings })
        ExchangeOwned(to.*member, from.*member);
}

void MergeHistories(TRegion& d, const TRegion& s)
{
    for (auto member : { &TRegion::Peasants, &TRegion::Horses, &TRegion::Trees, &TRegion::Silver,
             &TRegion::Iron, &TRegion::Laen, &TRegion::Wages, &TRegion::Street, &TRegion::Stones,
             &TRegion::Saplings, &TRegion::MallornSaplings })
        (d.*member)->MergeFrom(*(s.*member));
}

int32_t Twentieth(const THistoryInteger& history)
{
    const int32_t value = history.CurrentValue();
    return value == -1 ? -1 : value / 20;
}

void TakePolitic(TRegion& to, TRegion& from, size_t index)
{
    to.Politic->Add(from.Politic->Release(index));
}

TPoliticInfo* FindSummary(const TRegion& region, int32_t party, int32_t turn)
{
    for (TPoliticInfo* info : *region.Politic) {
        if (info != nullptr && info->Party == party && info->Turn == turn)
            return info;
    }
    return nullptr;
}

} // namespace

void CopyRegion(TRegion& n, TRegion& s)
{
    n.Bitmap_ = s.Bitmap_;
    n.CX = s.CX;
    n.CY = s.CY;
    n.CZ = s.CZ;
    n.Descr = s.Descr;
    n.Entertainment = s.Entertainment;
    n.FullInfoDate = s.FullInfoDate;
    n.InfoDate = s.InfoDate;
    n.Mallorn = s.Mallorn;
    n.Name = s.Name;
    n.Recrutees = s.Recrutees;
    n.Terrain = s.Terrain;
    n.Turn = s.Turn;
    n.ReadTurn = s.ReadTurn;
    n.TerrainType = s.TerrainType;
    for (auto member : { &TRegion::Comment, &TRegion::Events, &TRegion::Messages,
             &TRegion::Passthrough, &TRegion::Surrounding })
        ExchangeOwned(n.*member, s.*member);
    MoveHistories(n, s);
    n.Prices->Entries.swap(s.Prices->Entries);
    for (size_t i = 0; i < s.Politic->Count(); ++i) {
        if (s.Politic->Item(i) != nullptr)
            TakePolitic(n, s, i);
    }
    s.Politic->Pack();
}

void MergeRegion(TRegion& d, TRegion& s, const MergeTurns& turns)
{
    const int32_t maxTurn = turns.Newest();
    d.ReadTurn = maxTurn;
    const bool newerFull = s.FullInfoDate > d.FullInfoDate;
    const bool newerInfo = s.InfoDate > d.InfoDate;

    if (newerInfo) {
        d.Name = s.Name;
        d.InfoDate = s.InfoDate;
        // The terrain type and map symbol are derived from the terrain name
        // and change with it, so that they never describe another terrain.
        d.Terrain = s.Terrain;
        d.TerrainType = s.TerrainType;
        d.Bitmap_ = s.Bitmap_;
    }

    MergeHistories(d, s);
    d.Entertainment = Twentieth(*d.Silver);
    d.Recrutees = Twentieth(*d.Peasants);

    if (!s.Prices->Entries.empty() && (newerFull || d.Prices->Entries.empty()))
        d.Prices->Entries.swap(s.Prices->Entries);

    if (newerFull) {
        d.Descr = s.Descr;
        d.Mallorn = s.Mallorn;
        d.FullInfoDate = s.FullInfoDate;
        for (auto member :
            { &TRegion::Messages, &TRegion::Surrounding, &TRegion::Passthrough, &TRegion::Events })
            ExchangeOwned(d.*member, s.*member);
    }

    std::unordered_set<std::string> comment(d.Comment->Lines().begin(), d.Comment->Lines().end());
    for (const std::string& line : s.Comment->Lines()) {
        if (comment.insert(line).second)
            d.Comment->Add(line);
    }

    for (size_t i = 0; i < s.Politic->Count(); ++i) {
        TPoliticInfo* p = (*s.Politic)[i];
        if (p == nullptr)
            continue;
        if (TPoliticInfo* existing = FindSummary(d, p->Party, p->Turn)) {
            if (p->Turn < maxTurn)
                MergePoliticInfo(*existing, *p);
        } else {
            TakePolitic(d, s, i);
        }
    }
    s.Politic->Pack();
}

void MergePoliticInfo(TPoliticInfo& d, const TPoliticInfo& p)
{
    bool tookAny = false;
    const int lines = std::min(d.Data->Count(), p.Data->Count());
    for (int i = 0; i < lines; ++i) {
        const std::string& mine = d.Data->Line(i);
        const std::string& theirs = p.Data->Line(i);
        if (theirs == kUnknownLine)
            continue;
        const bool take = mine == kUnknownLine || (i > 0 && p.RTurn > d.RTurn)
            || (i > 0 && p.RTurn == d.RTurn && LineValue(theirs) > LineValue(mine));
        if (take) {
            d.Data->SetLine(i, theirs);
            tookAny = tookAny || i > 0;
        }
    }
    if (tookAny && p.RTurn > d.RTurn)
        d.RTurn = p.RTurn;
}

} // namespace maprune
