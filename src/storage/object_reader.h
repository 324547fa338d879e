// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <memory>

#include "core/byte_coding.h"

namespace maprune {

struct ClassInfo;
class LoadBudget;
class TReport;
class TReportItem;

// The oldest database format version that can be read; TReport::kFileVersion
// is the newest and the only one written.
inline constexpr int32_t kOldestFileVersion = 56;

// Every object that a read creates, counted in units of kObjectBytes of
// its memory (ObjectWeight), takes at least this many bytes on average in a
// file that WriteObject wrote (tests hold every class to it). The first n
// bytes of a read therefore create at most kObjectAllowance + n /
// kMinBytesPerObject such units; more means records built to make the reader
// allocate.
inline constexpr size_t kMinBytesPerObject = 4;
// Objects that any read may create besides, for the report's own empty
// lists and small records.
inline constexpr size_t kObjectAllowance = 4096;
// No read creates more objects than this, however large the file: more than
// twenty times the objects of a 44,000-region database (bench_kdf), and
// several gigabytes of memory.
inline constexpr size_t kMaxLoadedObjects = size_t{50} << 20;
// The memory of the smaller objects as the load budget counts them: texts,
// lists and histories take 64 bytes with the slot that holds them.
inline constexpr size_t kObjectBytes = 96;

// The units of kObjectBytes that an object of class `cls` counts as, its
// slot included: 1 for a history, 5 for a region. A region's sub-objects are
// made only when written, so an empty record of a few bytes still makes
// hundreds of bytes.
size_t ObjectWeight(const ClassInfo& cls);

struct ObjectReadOptions {
    // Records nest at most this deep (the model needs 6); deeper nesting is
    // taken for a damaged file.
    int MaxNesting = 16;
    // A read creates at most this many objects; see kMaxLoadedObjects.
    size_t MaxObjects = kMaxLoadedObjects;
    // Called after each list element with the number of bytes of `in` read so
    // far; may be empty.
    std::function<void(size_t)> Progress;
    // Charged with the memory of every object, text, list and table before
    // it is made, when given; see LoadBudget.
    LoadBudget* Budget = nullptr;
};

// Creates an object of class `cls` from the rest of its record in `in` (the
// caller has read the class name): the payload length, then the payload as
// WriteObject lays it out. The item is owned by `owner`, or by itself when it
// is a TReport and `owner` is null; it is completed with Finish, the root
// report's consistency pass therefore running last.
//
// A TReport's payload starts with the format version, which must lie in
// kOldestFileVersion .. TReport::kFileVersion; it is kept in FileVersion,
// where every nested read consults it (version 56 stores a history value as
// a bare integer, the current value, for the region's FullInfoDate, the
// report's own Turn or else the owner report's Turn). A TRegion is completed
// by CompleteLoadedRegion.
//
// Every count and length is checked against the bytes left in its record
// before anything is allocated, the objects created are counted against
// the bytes of `in` read so far (kMinBytesPerObject, by their ObjectWeight)
// and options.MaxObjects, and what is made is charged to options.Budget (the
// size of each object, kObjectBytes for one made besides). Throws Error
// for a class name that is not
// registered ("Klasse %s nicht gefunden"), a property name that the class
// does not publish, an unsupported version, and DamagedFileError for
// anything that contradicts the layout (too long, too deep, a record of a
// class that does not fit its place, bytes left over in a record, more
// objects than the bytes can describe). Nothing read survives a failure.
std::unique_ptr<TReportItem> CreateFromStream(const ClassInfo& cls, ByteReader& in, TReport* owner,
                                              const ObjectReadOptions& options = {});

// Throws the incompatibility message for a version outside
// kOldestFileVersion .. TReport::kFileVersion.
void CheckFileVersion(int32_t version);

} // namespace maprune
