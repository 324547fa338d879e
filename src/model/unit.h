// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/entry_lists.h"
#include "model/history_integer.h"
#include "model/lines.h"
#include "model/named_item.h"
#include "model/report_item_list.h"
#include "model/sub_object.h"

namespace maprune {

// A unit: a group of persons of one party.
class TUnit : public TNamedItem {
    MAPRUNE_REPORT_CLASS
public:
    // The numbers first, side by side: no padding between them in the many units.
    int32_t Besiege = 0;   // number of the building it besieges
    int32_t Building = -1; // number of the building it is in, -1 none
    int32_t Cloak = -1;    // camouflage level
    int32_t CloakParty = 0; // 1 when the unit hides its party
    int32_t FightState = 0; // 0 front, 1 rear, 2 not fighting, 3 fleeing
    int32_t Observes = 0; // non-zero when the unit guards the region
    int32_t Ship = -1; // number of the ship it is on, -1 none
    int32_t Weapons = 0;  // weapons carried
    // The server's total weight of the unit in hundredths of GE (today's
    // reports), -1 unknown: a check of the computed one.
    int32_t Weight = -1;
    SubObject<TLines> Commands;
    SubObject<THistoryInteger> Count; // persons
    std::string Default_;  // default order
    std::string HitPoints = "gesund";
    SubObject<TItems> Items;
    SubObject<TLines> Messages;
    std::string Private_;
    SubObject<THistoryInteger> Silver;
    SubObject<TLines> Spells;
    SubObject<TTalents> Talents;
    std::string TrueType; // real race when disguised
    std::string Type_;    // race as shown

    // Whether the unit belongs to the party whose view its report shows.
    // Throws Error("report is corrupt") when the unit has no owner report.
    bool IsOwn() const;
    std::string GetDescription(unsigned displayOptions) const override;

    // Reads the class's CR block (src/report).
    void ReadCR(TCRInterface& cr);
};

class TUnitList : public TTypedList<TUnit> {
    MAPRUNE_REPORT_CLASS
};

} // namespace maprune
