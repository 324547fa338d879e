// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>

namespace maprune::bench {

// Seconds of wall clock and of processor time: on a machine that other work
// shares, the processor time is the fairer figure.
struct Elapsed {
    double Wall = 0;
    double Cpu = 0;
};

// Wall clock and processor time since construction.
class Stopwatch {
public:
    using Clock = std::chrono::steady_clock;

    Elapsed Now() const { return { WallSeconds(), CpuSeconds() }; }

    double WallSeconds() const
    {
        return std::chrono::duration<double>(Clock::now() - FWall).count();
    }
    double CpuSeconds() const { return static_cast<double>(std::clock() - FCpu) / CLOCKS_PER_SEC; }

private:
    Clock::time_point FWall = Clock::now();
    std::clock_t FCpu = std::clock();
};

// The best times seen, and those of the first run: in a fresh process the
// first run also pays for the memory the later ones reuse.
struct Times {
    double Wall = 1e30;
    double Cpu = 1e30;
    double FirstWall = -1;
    double FirstCpu = -1;
    void Keep(const Stopwatch& watch)
    {
        const double wall = watch.WallSeconds();
        const double cpu = watch.CpuSeconds();
        if (FirstWall < 0) {
            FirstWall = wall;
            FirstCpu = cpu;
        }
        Wall = std::min(Wall, wall);
        Cpu = std::min(Cpu, cpu);
    }
};

} // namespace maprune::bench
