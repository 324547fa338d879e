// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "model/game_data.h"
#include "model/report.h"
#include "report/block_reading.h"
#include "report/create_from_cr.h"
#include "report/today_blocks.h"

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

// Entertainment and recruits from the newest silver and peasants.
void DeriveFromNewest(TRegion& region)
{
    region.Entertainment
        = region.Silver.Read().HistoryCount() > 0 ? region.Silver.Read().CurrentValue() / 20 : -1;
    region.Recrutees = region.Peasants.Read().HistoryCount() > 0
        ? region.Peasants.Read().CurrentValue() / 20
        : -1;
}

// The values derived after reading: terrain type and map symbol, the info
// dates, the zeros a complete description implies, entertainment and
// recruits.
void CompleteValues(TRegion& region, int32_t fullInfoDate, int32_t infoDate)
{
    region.TerrainType = region.LookupTerrainType();
    region.Bitmap_ = region.TerrainType != nullptr ? region.TerrainType->PictureNumber() : 0;
    region.FullInfoDate = fullInfoDate;
    region.InfoDate = infoDate;

    // A complete description names every value the region has, so a value
    // it leaves out is known to be zero.
    if (fullInfoDate > 0) {
        RecordZeroIfEmpty(*region.Peasants, fullInfoDate);
        RecordZeroIfEmpty(*region.Horses, fullInfoDate);
        RecordZeroIfEmpty(*region.Street, fullInfoDate);
        RecordZeroIfEmpty(*region.Trees, fullInfoDate);
        const GameRecord* terrain = region.TerrainType;
        if (terrain == nullptr || !terrain->CanHoldLaen())
            RecordZeroIfEmpty(*region.Laen, fullInfoDate);
        if (terrain == nullptr || !terrain->CanHoldIron())
            RecordZeroIfEmpty(*region.Iron, fullInfoDate);
    }

    DeriveFromNewest(region);
}

} // namespace

void TRegion::ReadCR(TCRInterface& cr)
{
    TReport& report = *Owner();
    ReadTurn = Turn;
    Mallorn = -1;
    FullInfoDate = -1;
    const std::array<int32_t, 3> xyz = ReadCoordinates(cr, cr.CurrentLine().Params);
    CX = xyz[0];
    CY = xyz[1];
    CZ = xyz[2];

    const bool today = ReadsTodayFormat(&report);
    bool seenFromAfar = false;
    std::vector<CRToken> previousValues;
    int turnTagCount = 0;
    std::array<int32_t, 2> turnTags {};
    ReadPropertyValues(cr, *this, "unknown value for region: ", [&](const CRToken& token) {
        const std::string_view key = token.Key;
        if (key == "Runde") {
            const int32_t turn = CRInt(cr, token.Value);
            if (turnTagCount == 0) {
                Turn = turn;
                turnTags[0] = turn;
            } else if (turnTagCount == 1) {
                Turn = std::min(Turn, turn);
                turnTags[1] = turn;
            } else {
                cr.Warning(std::string(kTooManyTurnTags));
            }
            if (turnTagCount < 2)
                ++turnTagCount;
        } else if (key == "Auswahl") {
            SetTagSilently(CRInt(cr, token.Value));
        } else if (today && key == "visibility") {
            seenFromAfar = true;
        } else if (today && IsPreviousValueKey(key)) {
            // Dated once the region's turn is known.
            previousValues.push_back(token);
        } else if (!today || !IsUnusedTodayKey("REGION", key)) {
            return false;
        }
        return true;
    });
    if (Terrain == "Wüste" || Terrain == "W\xFCste")
        Terrain = "Wueste";

    int32_t olderTag = Turn;
    int32_t newerTag = Turn;
    if (turnTagCount == 2) {
        olderTag = std::min(turnTags[0], turnTags[1]);
        newerTag = std::max(turnTags[0], turnTags[1]);
    } else if (turnTagCount == 1) {
        olderTag = newerTag = turnTags[0];
    }
    // A region seen from a neighbour, a lighthouse or in passing is no
    // complete description, whatever values it shows.
    const int32_t fullInfoDate = Wages.Read().HistoryCount() > 0 && !seenFromAfar ? olderTag : 0;

    if (!today) {
        CompleteValues(*this, fullInfoDate, newerTag);
        ReadPropertyBlocks(cr, *this);
    } else {
        // Resources and roads come in sub-blocks here, so the values are
        // completed after them.
        std::optional<int32_t> road;
        ReadPropertyBlocks(cr, *this, [&](std::string_view block) {
            if (block == "RESOURCE") {
                ReadResource(cr, *this);
            } else if (block == "GRENZE") {
                if (const std::optional<int32_t> percent = ReadBorderRoad(cr))
                    road = std::max(road.value_or(*percent), *percent);
            } else if (block == "MESSAGE") {
                CRMessage message = ReadMessage(cr);
                if (!message.Text.empty())
                    Messages->Add(std::move(message.Text));
            } else if (block == "DURCHSCHIFFUNG") {
                // Ships that passed, beside the travellers of DURCHREISE.
                const std::unique_ptr<TLines> ships = CreateFromCR<TLines>(cr, &report, Turn);
                for (const std::string& line : ships->Lines())
                    Passthrough->Add(line);
            } else {
                return false;
            }
            return true;
        });
        if (road)
            Street->AddValue(Turn, *road);
        CompleteValues(*this, fullInfoDate, newerTag);
    }
    // The turn before goes in after the zeros of a complete description,
    // which belong to the region's own turn.
    if (!previousValues.empty()) {
        for (const CRToken& token : previousValues)
            ReadPreviousValue(cr, *this, token);
        DeriveFromNewest(*this);
    }

    // Read, not edited: a region without units makes no unit or summary list.
    for (const TUnit* unit : Units.Read()) {
        if (unit == nullptr)
            continue;
        const int32_t party = unit->Party;
        const bool summarised = std::any_of(Politic.Read().begin(), Politic.Read().end(),
            [party](const TPoliticInfo* p) { return p != nullptr && p->Party == party; });
        if (!summarised)
            TPoliticInfo::CreateForParty(&report, party, *this);
    }
    // Read regions rarely grow: their lists keep no room for more.
    if (TUnitList* units = Units.Held())
        units->ShrinkToFit();
    if (TPoliticInfoList* politic = Politic.Held())
        politic->ShrinkToFit();

    // Skilled miners and woodcutters of the party would have seen these
    // resources; without an entry there are none. Without a unit of the
    // active party every talent level is 0, which spares the look-ups.
    const int32_t activeParty = report.ActiveParty;
    if (std::none_of(Units.Read().begin(), Units.Read().end(),
            [activeParty](const TUnit* u) { return u != nullptr && u->Party == activeParty; }))
        return;
    const int32_t mining = MaxTalentLevel(3);
    if (Laen.Read().HistoryCount() == 0 && mining >= 7)
        Laen->AddValue(Turn, 0);
    if (Iron.Read().HistoryCount() == 0 && mining >= 4)
        Iron->AddValue(Turn, 0);
    if (Mallorn == -1 && MaxTalentLevel(8) >= 2)
        Mallorn = 0;
}

} // namespace maprune
