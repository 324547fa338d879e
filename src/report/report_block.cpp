// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "model/report.h"
#include "report/block_reading.h"
#include "report/cr_format.h"
#include "report/list_forms.h"
#include "report/today_blocks.h"

namespace maprune {

namespace {

constexpr std::string_view kVersionWarning
    = "Diese Version des Maprune ist speziell für die Versionen 29 bis 38 des CR-Formates "
      "ausgelegt, daher kann es beim Laden der Datei zu Problemen kommen";

// Ships and buildings without a known party belong to the party of their
// captain's unit in the same region.
template <class List> void FillFromCaptains(const List& list, const TUnitList& units)
{
    for (auto* item : list) {
        if (item == nullptr || item->Party != -1)
            continue;
        for (const TUnit* unit : units) {
            if (unit != nullptr && unit->Nr == item->Captain) {
                item->Party = unit->Party;
                break;
            }
        }
    }
}

struct Coordinates {
    int32_t X, Y, Z;
    bool operator==(const Coordinates&) const = default;
};

struct CoordinatesHash {
    size_t operator()(const Coordinates& c) const
    {
        // Neighbouring regions differ in the low bits of x and y.
        const uint64_t xy = (uint64_t(uint32_t(c.X)) << 32) | uint32_t(c.Y);
        return std::hash<uint64_t> {}(xy * 0x9E3779B97F4A7C15ULL ^ uint32_t(c.Z));
    }
};

// The coordinates of the regions read so far, to tell a repeated region.
class RegionsSeen {
public:
    // Whether the region last added to `regions` repeats an earlier one; a
    // repeat is taken out again with a warning, so that a report of the same
    // region many times over takes the memory of one.
    void DropRepeat(TCRInterface& cr, TRegionList& regions)
    {
        const TRegion* region = regions.Count() > 0 ? regions[regions.Count() - 1] : nullptr;
        if (region == nullptr)
            return;
        if (FSeen.insert({ region->CX, region->CY, region->CZ }).second)
            return;
        cr.Warning("REGION " + std::to_string(region->CX) + " " + std::to_string(region->CY) + " "
            + std::to_string(region->CZ)
            + " kommt im Report mehrfach vor; nur ihre erste Beschreibung wird gelesen");
        regions.Extract(regions.Count() - 1);
    }

private:
    std::unordered_set<Coordinates, CoordinatesHash> FSeen;
};

} // namespace

void TReport::FinishTodayReading(TCRInterface& cr)
{
    SettlePartyMessages(cr);
    // The fights go to the own party that stays when duplicates are dropped.
    RemoveDuplicateParties();
    SettleBattles(cr, *this, FindParty(ChosenActiveParty()));
}

void TReport::ReadCR(TCRInterface& cr)
{
    try {
        const CRToken* token = &cr.CurrentLine();
        if (token->LineType == CRLineType::BlockHead && token->Block == "VERSION") {
            Version = CRInt(cr, token->Params);
            if (Version < 29 || Version > 38)
                cr.Warning(std::string(kVersionWarning));
            token = &cr.NextLine();
        }

        // Unknown values of the header are left out silently.
        for (; token->LineType == CRLineType::Value; token = &cr.NextLine()) {
            if (token->Key == "Runde")
                Turn = CRInt(cr, token->Value);
            else
                ReadPropertyValue(cr, *this, *token);
        }

        const bool today = IsTodayFormat(Version);
        RegionsSeen regionsSeen;
        for (; token->LineType == CRLineType::BlockHead; token = &cr.CurrentLine()) {
            const std::string_view block = token->Block;
            if (block == "ZAUBER" && today && !token->Params.empty())
                ReadSpellEntry(cr, *this);
            else if (block == "ZAUBER")
                ReadSpellList(cr, *this, *Spells);
            else if (block == "TRAENKE")
                ReadPotionList(cr, *this, *Potions);
            else if (block == "MESSAGETYPE" && today)
                ReadMessageType(cr);
            else if (block == "BATTLE" && today)
                ReadBattle(cr);
            else if (block == "REGION" && ReadPropertyBlock(cr, *this, block, Turn))
                regionsSeen.DropRepeat(cr, *Regions);
            else if (ReadPropertyBlock(cr, *this, block, Turn))
                continue;
            else if (today)
                SkipTodayBlock(cr);
            else
                cr.Error("Unbekannter Block/Block nicht zulässig an dieser Stelle: "
                    + MessageText(block));
        }
        if (today)
            FinishTodayReading(cr);

        for (const TRegion* region : *Regions) {
            if (region == nullptr)
                continue;
            FillFromCaptains(*region->Ships, *region->Units);
            FillFromCaptains(*region->Buildings, *region->Units);
        }
    } catch (const std::exception& e) {
        cr.Error("Exception: " + MessageText(e.what()));
    }
}

} // namespace maprune
