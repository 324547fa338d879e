// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <memory>

namespace maprune {

class Progress;
class TReport;
class TStream;

inline constexpr uint64_t kUnknownContentSize = std::numeric_limits<uint64_t>::max();

// The most uncompressed bytes that a zlib stream of `compressedSize` bytes
// can hold (deflate packs at most 1032 bytes into one).
uint64_t MaxInflatedSize(uint64_t compressedSize);

// Reads a report from the uncompressed content of a KDF file: a short string
// that must be "TReport" in any case (otherwise Error "this is no valid
// report file"), then the report's record (CreateFromStream). A payload
// longer than `contentLimit`, the most the source can deliver, or than
// `memoryLimit`, the most memory the load may take, fails at once; otherwise
// the payload is read into memory in pieces, so that a length larger than
// the data allocates no more than the data, and the objects are charged to
// a LoadBudget of what the payload left of `memoryLimit`.
// `progress` runs over reading and building. Returns the report only when
// everything was read; throws Error otherwise (see CreateFromStream).
std::unique_ptr<TReport> ReadReport(TStream& in, Progress& progress,
                                    uint64_t contentLimit = kUnknownContentSize,
                                    uint64_t memoryLimit = kUnknownContentSize);

// Writes `report` as one object record (WriteObject), built in memory and
// passed to `out` in pieces, with `progress` over the passing on.
void WriteReport(const TReport& report, TStream& out, Progress& progress);

} // namespace maprune
