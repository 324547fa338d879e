// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace maprune {

class Progress;
class TReport;
class TStream;

// Reads a report from the uncompressed content of a KDF file: a short string
// that must be "TReport" in any case (otherwise Error "this is no valid
// report file"), then the report's record (CreateFromStream). The record's
// payload is read into memory in pieces, so that a length larger than the
// data allocates no more than the data; `progress` runs over reading and
// building. Returns the report only when everything was read; throws Error
// otherwise (see CreateFromStream).
std::unique_ptr<TReport> ReadReport(TStream& in, Progress& progress);

// Writes `report` as one object record (WriteObject), built in memory and
// passed to `out` in pieces, with `progress` over the passing on.
void WriteReport(const TReport& report, TStream& out, Progress& progress);

} // namespace maprune
