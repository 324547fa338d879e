// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The printed rows that the read and merge benchmarks share: times with
// their throughput, ratios to the reference beside the aim, and the heap a
// result holds as a multiple of its input.

#include <cstdint>
#include <cstdio>

#include "bench/stopwatch.h"

namespace maprune::bench {

// How a ratio of figure to reference reads: as a fraction 1/x (a figure
// slower than its reference by x) or as the plain quotient.
enum class RatioForm { Fraction, Quotient };

inline void PrintTimeHeads()
{
    std::printf("%-42s %-23s %s\n", "", "wall clock", "processor time");
}

// Two rows of `label`: the best run and the first in this process, in
// seconds and MB/s of `mb` megabytes.
inline void PrintTimes(const char* label, const Times& times, double mb)
{
    std::printf("%-36s best  %8.4f s %8.1f MB/s  %8.4f s %8.1f MB/s\n", label, times.Wall,
        mb / times.Wall, times.Cpu, mb / times.Cpu);
    std::printf("%-36s first %8.4f s %8.1f MB/s  %8.4f s %8.1f MB/s\n", "", times.FirstWall,
        mb / times.FirstWall, times.FirstCpu, mb / times.FirstCpu);
}

// Two rows of `label`: the best run of `figure` and its first, each against
// the best of `reference`, beside `aim`.
inline void PrintRatio(
    const char* label, const Times& figure, const Times& reference, RatioForm form, const char* aim)
{
    const auto print
        = [form](const char* head, const char* run, double wall, double cpu, const char* tail) {
              const char* format = form == RatioForm::Fraction
                  ? "%-36s %-5s 1/%-8.1f                 1/%-8.1f"
                  : "%-36s %-5s %10.2f                 %10.2f";
              std::printf(format, head, run, wall, cpu);
              std::printf(*tail != '\0' ? "      %s\n" : "%s\n", tail);
          };
    print(label, "best", figure.Wall / reference.Wall, figure.Cpu / reference.Cpu, aim);
    print("", "first", figure.FirstWall / reference.Wall, figure.FirstCpu / reference.Cpu, "");
}

// The heap that `what` holds at its end (and needed at its peak, unless
// negative) as a multiple of `inputBytes`, beside the aim `aimTimes`.
inline void PrintHeld(
    const char* what, int64_t held, int64_t peak, double inputBytes, double aimTimes)
{
    std::printf("%s holds %.1f MB (%.2f x its input, aim at most %.0f x)", what,
        static_cast<double>(held) / 1e6, static_cast<double>(held) / inputBytes, aimTimes);
    if (peak >= 0) {
        std::printf(", peak %.1f MB (%.2f x)", static_cast<double>(peak) / 1e6,
            static_cast<double>(peak) / inputBytes);
    }
    std::printf("\n");
}

} // namespace maprune::bench
