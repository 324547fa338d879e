// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace maprune {

// A party in an alliance, shown and stored as "Name (Party)".
struct AllianceMember {
    std::string Name;
    int32_t Party = 0;
    bool operator==(const AllianceMember&) const = default;
};

// An alliance the user defined: a name unique in its list and its members
// in order. Texts are UTF-8 display texts.
struct Alliance {
    std::string Name;
    std::vector<AllianceMember> Members;
    bool operator==(const Alliance&) const = default;
};

// The program's alliances in order; the alliance editor fills it and the
// political map groups parties by it.
using AllianceList = std::vector<Alliance>;

} // namespace maprune
