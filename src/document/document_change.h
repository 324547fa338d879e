// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace maprune {

class TRegion;
class TUnit;

// What one change of the open report touched, announced by the document
// after the model changed (by an edit, its undo or its redo). Windows refresh
// what it concerns and nothing else.
enum class DocumentChangeKind {
    // Another report is open (or none): everything is new.
    Replaced,
    // Files were added to the report: any object may be new or gone.
    Added,
    // The coordinates of a layer moved.
    Origin,
    // A party was deleted or came back.
    Parties,
    // The comments of Region.
    RegionComments,
    // The orders of Unit.
    UnitOrders,
    // Selected regions: Region when one region alone, else many.
    Selection,
    // The series of the time-course chart.
    Series,
    // The alliances of the political map (kept beside the report).
    Alliances,
};

struct DocumentChange {
    DocumentChangeKind Kind = DocumentChangeKind::Replaced;
    TRegion* Region = nullptr;
    TUnit* Unit = nullptr;
    // The party of Parties (-1 none).
    int32_t Party = -1;

    // Whether every object of the report may have changed, so that any
    // window shows the report anew.
    bool Whole() const
    {
        return Kind == DocumentChangeKind::Replaced || Kind == DocumentChangeKind::Added;
    }
    // Whether the regions' places, parties or units a list shows may have
    // changed: the whole report, the coordinates or the parties.
    bool Structure() const
    {
        return Whole() || Kind == DocumentChangeKind::Origin || Kind == DocumentChangeKind::Parties;
    }
};

} // namespace maprune
