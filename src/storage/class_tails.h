// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

#include "core/byte_coding.h"

namespace maprune {

class TReportItem;

// Whether the stream form leaves `item` out as a property value: a TLines
// without text, a list without elements, a price, item or talent table
// without entries. Every other object (a history value too) is written.
bool IsEmptyForStorage(const TReportItem& item);

// The unnamed values that follow the end mark of a THistoryInteger, TPrices,
// TItems or TTalents record:
//   THistoryInteger: integer n, then n pairs of integers (turn, value) in the
//                    order held, newest first;
//   TPrices:  integer n, then n times integer price, long string item;
//   TItems:   integer n, then n times long string item, integer count;
//   TTalents: integer n, then n times long string talent, integer days,
//             integer level.
// Other classes have no such tail; these functions do nothing for them.
void WriteValueTail(const TReportItem& item, ByteWriter& out);
// Replaces the item's values by those read. A count that the remaining bytes
// cannot hold throws Error before anything is allocated.
void ReadValueTail(TReportItem& item, ByteReader& in);

// The element count of a tail, checked against the bytes left in the record:
// every entry takes at least `minEntrySize` bytes. Throws Error naming
// `className` for a negative count or one that cannot fit.
size_t ReadTailCount(ByteReader& in, size_t minEntrySize, std::string_view className);

} // namespace maprune
