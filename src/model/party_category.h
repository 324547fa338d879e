// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace maprune {

class TReport;

// How a party relates to the party whose view the report shows. The value
// is the rank by which lists order their lines: own first.
enum class PartyCategory : uint8_t {
    Enemy = 0,
    Disguised = 1, // party unknown (-1)
    Allied = 2, // listed among the Allies of the own party
    Own = 3, // the report's ActiveParty
};

inline int Rank(PartyCategory category)
{
    return static_cast<int>(category);
}

// The categories of the parties of one report, with the own party's allies
// looked up once. A report without an active party (-1) has no own and no
// allied party: a disguised unit is then not taken for an own one.
class PartyCategories {
public:
    explicit PartyCategories(const TReport& report);
    PartyCategory Of(int32_t party) const;

private:
    int32_t FOwn;
    std::vector<int32_t> FAllied; // sorted
};

// One-off form of PartyCategories::Of.
PartyCategory PartyCategoryOf(const TReport& report, int32_t party);

} // namespace maprune
