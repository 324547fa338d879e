// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

#include "core/byte_coding.h"
#include "storage/storage_shape.h"

namespace maprune {

class LoadBudget;
class TReportItem;

// Whether the stream form leaves `item` out as a property value: a TLines
// without text, a list without elements, a price, item or talent table
// without entries. Every other object (a history value too) is written.
bool IsEmptyForStorage(const TReportItem& item);

// Whether `item` is a text, list, table or history in the state that
// creating it empty gives: Tag 0, Turn -1 and no content. Reading a record
// into such an object ends as reading it into a new one.
bool IsPristine(const TReportItem& item);

// The unnamed values that follow the end mark of a THistoryInteger, TPrices,
// TItems or TTalents record:
//   THistoryInteger: integer n, then n pairs of integers (turn, value) in the
//                    order held, newest first;
//   TPrices:  integer n, then n times integer price, long string item;
//   TItems:   integer n, then n times long string item, integer count;
//   TTalents: integer n, then n times long string talent, integer days,
//             integer level.
// `shape` is ShapeOf(item.Class()); other shapes have no such tail and these
// functions do nothing for them.
void WriteValueTail(const TReportItem& item, StorageShape shape, ByteWriter& out);
// Replaces the item's values by those read, charging `budget` for the
// entries and their texts. A count that the remaining bytes cannot hold or
// the budget cannot pay throws DamagedFileError before anything is
// allocated; so do history turns that are not strictly descending or lie
// below 1, the order THistoryInteger relies on.
void ReadValueTail(TReportItem& item, StorageShape shape, ByteReader& in, LoadBudget& budget);

// The element count of a tail, checked against the bytes left in the record:
// every entry takes at least `minEntrySize` bytes. Throws Error naming
// `className` (DamagedFileError) for a negative count or one that cannot fit.
size_t ReadTailCount(ByteReader& in, size_t minEntrySize, std::string_view className);

} // namespace maprune
