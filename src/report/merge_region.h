// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/merge_support.h"

namespace maprune {

class TPoliticInfo;
class TRegion;

// Fills the new empty region `n` (owned by the database) from the added
// report's region `s` at the same coordinates: coordinates, names, terrain
// and its resolved type, descriptions, dates, texts, histories, prices and
// political summaries. Texts, histories, prices and summaries are moved out
// of `s`, which is freed with its report. Units, ships and buildings are left
// to the entity passes.
void CopyRegion(TRegion& n, TRegion& s);

// Merges the added report's region `s` into the database's region `d`:
// histories gain the turns they lack; names and terrain follow the newer
// information, descriptions, messages and prices the newer full information;
// comment lines are united; political summaries are merged or taken over.
// What `d` takes over is moved out of `s`.
void MergeRegion(TRegion& d, TRegion& s, const MergeTurns& turns);

// Merges the data lines of summary `p` into `d` (same party and turn): an
// unknown line ("-1") takes a known one; a known line takes the other's line
// when that was observed in a later turn, or in the same turn with a greater
// number; line 0 never changes once known. A known line never becomes
// unknown, and `d` takes the later observation turn with the later figures.
void MergePoliticInfo(TPoliticInfo& d, const TPoliticInfo& p);

} // namespace maprune
