// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/byte_coding.h"

namespace maprune {

class TReportItem;
class TStream;

// Writes `item` as one object record: its class name (short string), the
// payload length (integer) and the payload. The payload is the item's stored
// published properties in the order of its property table, each as name
// (short string) and value, then the end mark (a byte 0), then the class's
// tail. A TReport's payload starts with the format version TReport::kFileVersion.
//
// A property is left out when it is never stored or its storage test fails;
// an integer when it equals its declared default; a string when it is empty;
// an object when IsEmptyForStorage holds. Lists write their elements (empty
// entries skipped) as records after the end mark.
void WriteObject(const TReportItem& item, ByteWriter& out);

// The same record, built in memory and then written to `out`.
void WriteObject(const TReportItem& item, TStream& out);

} // namespace maprune
