// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>

namespace maprune::bench {

// Wall clock and processor time since construction.
class Stopwatch {
public:
    using Clock = std::chrono::steady_clock;

    double WallSeconds() const
    {
        return std::chrono::duration<double>(Clock::now() - FWall).count();
    }
    double CpuSeconds() const { return static_cast<double>(std::clock() - FCpu) / CLOCKS_PER_SEC; }

private:
    Clock::time_point FWall = Clock::now();
    std::clock_t FCpu = std::clock();
};

// The best times seen.
struct Times {
    double Wall = 1e30;
    double Cpu = 1e30;
    void Keep(const Stopwatch& watch)
    {
        Wall = std::min(Wall, watch.WallSeconds());
        Cpu = std::min(Cpu, watch.CpuSeconds());
    }
};

} // namespace maprune::bench
