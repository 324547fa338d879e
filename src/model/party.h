// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/history_integer.h"
#include "model/lines.h"
#include "model/report_item_list.h"
#include "model/sub_object.h"

namespace maprune {

// An alliance status of a party towards another party.
class TAlly : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    int32_t Party = 0;
    std::string Name;
    int32_t State = 0; // status value of the report; -1 when the list form gives none

    // Reads the class's CR block (src/report).
    void ReadCR(TCRInterface& cr);
};

class TAllies : public TTypedList<TAlly> {
    MAPRUNE_REPORT_CLASS
};

// A party (faction) of the game. A party with an empty Type_ is known only by
// its address or by reference.
class TParty : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    SubObject<TAllies> Allies;
    std::string Banner;
    std::string EMail;
    SubObject<TLines> Events;
    SubObject<TLines> Fights;
    SubObject<TLines> Income;
    int32_t MaxMigrants = 0;
    SubObject<TLines> Messages;
    int32_t Migrants = 0;
    SubObject<TLines> Movements;
    std::string Name;
    int32_t Nr = -1;
    int32_t Options = 0;
    std::string Password;
    SubObject<THistoryInteger> Persons;
    SubObject<THistoryInteger> PointAverage;
    SubObject<THistoryInteger> Points;
    SubObject<TLines> Production;
    int32_t RecruteCosts = -1;
    SubObject<TLines> Tradings;
    std::string Type_; // race

    // Reads the class's CR block (src/report).
    void ReadCR(TCRInterface& cr);
};

class TPartyList : public TTypedList<TParty> {
    MAPRUNE_REPORT_CLASS
};

} // namespace maprune
