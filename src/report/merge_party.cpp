// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/merge_party.h"

#include "model/party.h"
#include "report/merge_support.h"

namespace maprune {

void MergeParty(TParty& d, TParty& s)
{
    d.Points->MergeFrom(*s.Points);
    d.PointAverage->MergeFrom(*s.PointAverage);
    d.Persons->MergeFrom(*s.Persons);
    if (s.Turn <= d.Turn)
        return;
    d.Nr = s.Nr;
    d.Name = s.Name;
    d.Options = s.Options;
    d.Password = s.Password;
    d.Type_ = s.Type_;
    d.RecruteCosts = s.RecruteCosts;
    d.Migrants = s.Migrants;
    d.MaxMigrants = s.MaxMigrants;
    ExchangeOwned(d.Allies, s.Allies);
    for (auto member : {&TParty::Messages, &TParty::Income, &TParty::Movements, &TParty::Production,
                        &TParty::Events, &TParty::Tradings, &TParty::Fights})
        ExchangeOwned(d.*member, s.*member);
    d.Turn = s.Turn;
}

} // namespace maprune
