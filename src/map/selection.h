// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace maprune {

class TReport;

// The selection is bit 0 (TagSelected) of each region's Tag; bit 2
// (TagScratch) is clear before and after every operation. Every change of
// bit 0 goes through SetTag, so the report's SelectionChanged callback sees
// each one (the main window sets Modified there).
struct SelectionOutcome {
    int Changes = 0; // changes of bit 0 made by the operation
    bool Refresh = false; // refill the units window and redraw the map

    bool operator==(const SelectionOutcome&) const = default;
};

enum class SelectionMode { Clear, Invert, Set };

// Clears, inverts or sets the selection of the regions of the active layer,
// or of all layers when Shift is held. Refresh when anything changed.
SelectionOutcome SetSelection(TReport& report, SelectionMode mode, bool shiftHeld);

// Selects every region of any layer whose CX and CY lie within the smallest
// and largest CX and CY of the selected regions of all layers (nothing
// without a selection). Always refreshes.
SelectionOutcome FillSelection(TReport& report);

// On the active layer: grows the selection over the land regions connected
// to it through neighbours (water regions neither join nor pass it on;
// selected water regions stay selected). Refresh when anything changed.
SelectionOutcome SelectIslands(TReport& report);

// On the active layer: adds every neighbour of a selected region. Always
// refreshes.
SelectionOutcome ExpandSelection(TReport& report);

// On the active layer: keeps only the selected regions whose six neighbours
// all exist and are selected. Refresh when anything changed.
SelectionOutcome ContractSelection(TReport& report);

} // namespace maprune
