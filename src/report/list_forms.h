// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/cr_interface.h"

namespace maprune {

class TAllies;
class TPartyList;
class TPotions;
class TReport;
class TSpells;

// Readers of the list forms: blocks holding several records in a row, each
// started by a lead key. On entry the block head is current; they read value
// lines only and return with the first other token current. The records are
// created under `owner` and appended to `target`.

// "ZAUBER": records led by "Spruch".
void ReadSpellList(TCRInterface& cr, TReport& owner, TSpells& target);
// "TRAENKE": records led by "Trank".
void ReadPotionList(TCRInterface& cr, TReport& owner, TPotions& target);
// "ALLIIERTE": records led by "Partei".
void ReadAllyList(TCRInterface& cr, TReport& owner, TAllies& target);
// "ADRESSEN": parties known by address, led by "Partei".
void ReadAddressList(TCRInterface& cr, TReport& owner, TPartyList& target);

} // namespace maprune
