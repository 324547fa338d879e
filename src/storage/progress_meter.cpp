// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/progress_meter.h"

#include <algorithm>

#include "core/progress.h"

namespace maprune {

ProgressMeter::ProgressMeter(Progress& progress, uint64_t total) : FProgress(progress), FTotal(total)
{
    FProgress.SetRange(kRange);
    FProgress.SetPosition(0);
}

void ProgressMeter::Advance(uint64_t done)
{
    const int position = FTotal == 0 ? kRange
                                     : static_cast<int>(std::min(done, FTotal) * kRange / FTotal);
    if (position == FShown)
        return;
    FShown = position;
    FProgress.SetPosition(position);
    FProgress.ProcessEvents();
}

} // namespace maprune
