// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include "model/report.h"

namespace maprune {

// The turns of the two reports of a merge, read once at its start. The added
// report is newer only when its turn is greater; equal turns are not newer.
struct MergeTurns {
    int32_t Dest = 0;
    int32_t Src = 0;

    bool SrcNewer() const { return Src > Dest; }
    int32_t Newest() const { return std::max(Dest, Src); }
};

// Exchanges two owned sub-objects that may belong to different reports; each
// ends owned by the report that owns the slot it now sits in, so that the
// reference counts of both reports stay right.
template <class T> void ExchangeOwned(SubObject<T>& a, SubObject<T>& b)
{
    TReport* ownerOfA = a.Report();
    TReport* ownerOfB = b.Report();
    a.swap(b);
    if (ownerOfA != ownerOfB) {
        a.SetReport(ownerOfA);
        b.SetReport(ownerOfB);
    }
}

} // namespace maprune
