// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace maprune {

class TRegion;
class TReport;

// What the route search needs of a report, taken once so that many searches
// share it: every region in report order with its six neighbour slots (as
// indices, -1 for none), whether it is ocean and whether its street is
// complete. Building it links the neighbours of every region anew, so stale
// links of an earlier region set do not count. The graph holds pointers into
// the report and is valid while the report's regions are.
class RouteGraph {
public:
    static constexpr int32_t kNone = -1;

    explicit RouteGraph(TReport& report);

    int32_t Count() const { return static_cast<int32_t>(FRegions.size()); }
    TRegion* Region(int32_t index) const { return FRegions[static_cast<size_t>(index)]; }
    // The index of `region`, kNone for null or a region of another report.
    int32_t IndexOf(const TRegion* region) const;
    int32_t Neighbour(int32_t index, int direction) const
    {
        return FNeighbours[static_cast<size_t>(index)][static_cast<size_t>(direction)];
    }
    bool Ocean(int32_t index) const { return FOcean[static_cast<size_t>(index)] != 0; }
    bool Street(int32_t index) const { return FStreet[static_cast<size_t>(index)] != 0; }
    // The regions with a neighbour slot holding `index` (each once per slot).
    std::span<const int32_t> Entrances(int32_t index) const
    {
        const auto begin = static_cast<size_t>(FEntranceStart[static_cast<size_t>(index)]);
        const auto end = static_cast<size_t>(FEntranceStart[static_cast<size_t>(index) + 1]);
        return std::span<const int32_t>(FEntrances).subspan(begin, end - begin);
    }

private:
    std::vector<TRegion*> FRegions;
    std::vector<std::array<int32_t, 6>> FNeighbours;
    std::vector<uint8_t> FOcean;
    std::vector<uint8_t> FStreet;
    std::vector<int32_t> FEntranceStart; // Count() + 1 offsets into FEntrances
    std::vector<int32_t> FEntrances;
    std::unordered_map<const TRegion*, int32_t> FIndex;
};

// A region counts as ocean by the water flag of its terrain type.
bool IsOceanRegion(const TRegion& region);
// Its street is complete: the current Street value is exactly 100.
bool HasCompleteStreet(const TRegion& region);

} // namespace maprune
