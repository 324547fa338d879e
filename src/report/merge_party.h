// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace maprune {

class TParty;

// Merges the added report's party `s` into the database's party `d` of the
// same number: points, point average and persons gain the turns they lack;
// only when `s`'s own Turn is greater than `d`'s, `d` takes its number,
// name, options, password, race, recruiting cost, migrant figures, allies
// and the seven message texts (moved out of `s`) and its Turn. Banner and
// e-mail address are not taken over.
void MergeParty(TParty& d, TParty& s);

} // namespace maprune
