// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/party_category.h"

namespace maprune {

class TReport;

// Where a region lies: a line about a region keeps it, so that the window
// can find the region again without holding it.
struct RegionPlace {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Z = 0;
};

// One line of the messages window (UTF-8). Party lines are drawn in the
// scheme of the category their prefix names, all others plain.
struct MessageLine {
    std::string Text;
    std::optional<PartyCategory> Category; // none: plain
    std::optional<RegionPlace> Place; // the region of a region or unit line
};

// One tab of the messages window: its caption and its lines.
struct MessageTab {
    const char* Caption;
    std::vector<MessageLine> Lines;
};

inline constexpr size_t kMessageTabCount = 11;

// The eleven tabs in the window's order ("Meldungen" ... "Kämpfe"). The
// first six and the last hold the own party's lines (empty without an own
// party), the others the messages, events and surroundings of every region
// and the messages of every unit. Null: all tabs empty.
std::array<MessageTab, kMessageTabCount> MessageTabs(const TReport* report);

// A line of the own party's messages: "! ", "I ", "W " and "F " choose the
// own, allied, disguised and enemy scheme and are dropped; any other line
// stays whole and plain. A line left empty becomes one blank, so that it
// keeps its row.
MessageLine PartyMessageLine(std::string_view modelLine);

} // namespace maprune
