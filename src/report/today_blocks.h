// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/cr_interface.h"
#include "model/sub_object.h"

namespace maprune {

class THistoryInteger;
class TParty;
class TRegion;
class TReport;

// Readers of the blocks that only today's reports hold. Each starts with its
// head current and returns with the first token after its value lines (and,
// for BATTLE, its messages) current.

// Keys that today's reports write in a block (PARTEI, REGION, EINHEIT,
// SCHIFF, ZAUBER) and that the model has no place for: read without a
// warning.
bool IsUnusedTodayKey(std::string_view block, std::string_view key);

// "MESSAGE n": the message's type number as written and its rendered text.
struct CRMessage {
    std::string Type;
    std::string Text;
};
CRMessage ReadMessage(TCRInterface& cr);

// "MESSAGETYPE n": remembers the type's section in cr.Pending.
void ReadMessageType(TCRInterface& cr);

// "BATTLE x y [z]": the rendered texts of its MESSAGE blocks wait in
// cr.Pending for the own party. A head without coordinates is skipped as an
// unknown block.
void ReadBattle(TCRInterface& cr);

// "ZAUBER n" with lower-case keys: one spell, added to the report's Spells.
void ReadSpellEntry(TCRInterface& cr, TReport& report);

// "RESOURCE n" of `region`: the number goes into the region's value of the
// same meaning (type in German plural or singular), dated with the block's
// "Runde" or the region's Turn; where a key line gave the value for that
// date, it stays. Resources the model has no value for, and types given as
// numbers, are left out silently.
void ReadResource(TCRInterface& cr, TRegion& region);

// Whether `key` of a REGION is one of the "letzte..." keys: the value of the
// turn before, written by client tools.
bool IsPreviousValueKey(std::string_view key);
// Such a key, whose region Turn is final: the value goes into the history of
// the same meaning for Turn - 1, unless that turn has one. Keys of values
// without a history are ignored.
void ReadPreviousValue(TCRInterface& cr, TRegion& region, const CRToken& token);
// The "letzte..." key of a region history, empty when it has none.
std::string_view PreviousValueKey(SubObject<THistoryInteger> TRegion::*history);

// "GRENZE n": the completion in percent when the border is a road, else
// nothing.
std::optional<int32_t> ReadBorderRoad(TCRInterface& cr);

// Puts the party messages of cr.Pending into the list of their type's
// section: events to Events, economy to Income, production to Production,
// movement to Movements, battle to Fights, any other or unknown type to
// Messages. The parties must still be those read.
void SettlePartyMessages(TCRInterface& cr);

// Puts each fight of cr.Pending into the Fights of `ownParty`, led by a line
// naming the region; without an own party they are dropped.
void SettleBattles(TCRInterface& cr, TReport& report, TParty* ownParty);

} // namespace maprune
