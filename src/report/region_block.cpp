// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <string_view>

#include "model/game_data.h"
#include "model/report.h"
#include "report/block_reading.h"

namespace maprune {

namespace {

constexpr std::string_view kTooManyTurnTags
    = "REGION: Zu viele ;Runde-Tags: maximal 2 pro Region erlaubt";

// The coordinates of a region head: two or three numbers separated by blanks.
std::array<int32_t, 3> ReadCoordinates(TCRInterface& cr, std::string_view params)
{
    std::array<int32_t, 3> xyz { 0, 0, 0 };
    size_t found = 0;
    size_t pos = 0;
    while (found < xyz.size()) {
        pos = params.find_first_not_of(' ', pos);
        if (pos == std::string_view::npos)
            break;
        const size_t end = std::min(params.find(' ', pos), params.size());
        xyz[found++] = CRInt(cr, params.substr(pos, end - pos));
        pos = end;
    }
    if (found < 2)
        cr.Error("REGION braucht zwei oder drei Koordinaten: \"" + MessageText(params) + "\"");
    return xyz;
}

void RecordZeroIfEmpty(THistoryInteger& value, int32_t date)
{
    if (value.HistoryCount() == 0)
        value.AddValue(date, 0);
}

} // namespace

void TRegion::ReadCR()
{
    TReport& report = *Owner();
    ReadTurn = Turn;
    Mallorn = -1;
    FullInfoDate = -1;
    const std::array<int32_t, 3> xyz = ReadCoordinates(*CR, CR->CurrentLine().Params);
    CX = xyz[0];
    CY = xyz[1];
    CZ = xyz[2];

    int turnTagCount = 0;
    std::array<int32_t, 2> turnTags {};
    ReadPropertyValues(*CR, *this, "unknown value for region: ", [&](const CRToken& token) {
        const std::string_view key = token.Key;
        if (key == "Runde") {
            const int32_t turn = CRInt(*CR, token.Value);
            if (turnTagCount == 0) {
                Turn = turn;
                turnTags[0] = turn;
            } else if (turnTagCount == 1) {
                Turn = std::min(Turn, turn);
                turnTags[1] = turn;
            } else {
                CR->Warning(std::string(kTooManyTurnTags));
            }
            if (turnTagCount < 2)
                ++turnTagCount;
        } else if (key == "Auswahl") {
            SetTagSilently(CRInt(*CR, token.Value));
        } else {
            return false;
        }
        return true;
    });
    if (Terrain == "Wüste" || Terrain == "W\xFCste")
        Terrain = "Wueste";

    TerrainType = LookupTerrainType();
    Bitmap_ = TerrainType != nullptr ? TerrainType->PictureNumber() : 0;

    int32_t olderTag = Turn;
    int32_t newerTag = Turn;
    if (turnTagCount == 2) {
        olderTag = std::min(turnTags[0], turnTags[1]);
        newerTag = std::max(turnTags[0], turnTags[1]);
    } else if (turnTagCount == 1) {
        olderTag = newerTag = turnTags[0];
    }
    FullInfoDate = Wages->HistoryCount() > 0 ? olderTag : 0;
    InfoDate = newerTag;

    // A complete description names every value the region has, so a value
    // it leaves out is known to be zero.
    if (FullInfoDate > 0) {
        RecordZeroIfEmpty(*Peasants, FullInfoDate);
        RecordZeroIfEmpty(*Horses, FullInfoDate);
        RecordZeroIfEmpty(*Street, FullInfoDate);
        RecordZeroIfEmpty(*Trees, FullInfoDate);
        if (TerrainType == nullptr || !TerrainType->CanHoldLaen())
            RecordZeroIfEmpty(*Laen, FullInfoDate);
        if (TerrainType == nullptr || !TerrainType->CanHoldIron())
            RecordZeroIfEmpty(*Iron, FullInfoDate);
    }

    Entertainment = Silver->HistoryCount() > 0 ? Silver->CurrentValue() / 20 : -1;
    Recrutees = Peasants->HistoryCount() > 0 ? Peasants->CurrentValue() / 20 : -1;

    ReadPropertyBlocks(*CR, *this);

    for (const TUnit* unit : *Units) {
        if (unit == nullptr)
            continue;
        const int32_t party = unit->Party;
        const bool summarised = std::any_of(Politic->begin(), Politic->end(),
            [party](const TPoliticInfo* p) { return p != nullptr && p->Party == party; });
        if (!summarised)
            TPoliticInfo::CreateForParty(&report, party, *this);
    }

    // Skilled miners and woodcutters of the party would have seen these
    // resources; without an entry there are none. Without a unit of the
    // active party every talent level is 0, which spares the look-ups.
    const int32_t activeParty = report.ActiveParty;
    if (std::none_of(Units->begin(), Units->end(),
            [activeParty](const TUnit* u) { return u != nullptr && u->Party == activeParty; }))
        return;
    const int32_t mining = MaxTalentLevel(3);
    if (Laen->HistoryCount() == 0 && mining >= 7)
        Laen->AddValue(Turn, 0);
    if (Iron->HistoryCount() == 0 && mining >= 4)
        Iron->AddValue(Turn, 0);
    if (Mallorn == -1 && MaxTalentLevel(8) >= 2)
        Mallorn = 0;
}

} // namespace maprune
