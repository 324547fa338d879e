// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/merge_party.h"

#include "model/party.h"
#include "report/merge_entities.h"

namespace maprune {

void MergeParty(TParty& d, TParty& s)
{
    const bool newer = s.Turn > d.Turn;
    MergeProperties(d, s, newer);
    if (newer)
        d.Turn = s.Turn;
}

} // namespace maprune
