// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace maprune {

class Progress;

// Drives a Progress in thousandths of a known amount of work, passing on only
// changes of the shown position, each followed by ProcessEvents.
class ProgressMeter {
public:
    static constexpr int kRange = 1000;

    // Sets the range and position 0. `total` 0 counts as done.
    ProgressMeter(Progress& progress, uint64_t total);

    // `done` of `total` units are finished (values above total count as total).
    void Advance(uint64_t done);

private:
    Progress& FProgress;
    uint64_t FTotal;
    int FShown = 0;
};

} // namespace maprune
