// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QListWidgetItem;

namespace maprune {

class TRegion;
class TReport;
class TUnit;

// Marks a unit's line of a list when the check finds mistakes in its orders:
// an icon (error or warning) and a tooltip with the counts. Other parties'
// units and units without findings keep their line unmarked.
void MarkOrderFindings(
    QListWidgetItem& item, const TReport& report, const TRegion* region, const TUnit& unit);

} // namespace maprune
