// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string>

namespace maprune {

// The memory that loading a KDF file may take grows with what its records
// describe, not with the size of the compressed file: a database compresses
// the better the more alike its regions are, so the file's size says little.
// Up to the point the records have been read, the load may take
// kLoadBudgetBase plus kLoadBudgetPerRecordByte for every byte of them, as a
// record byte describes at most a quarter of an object (kMinBytesPerObject,
// kObjectBytes). A database that Maprune wrote takes about 15 per byte when
// it is all empty ocean, the smallest regions, and 3 to 4 for generated
// worlds with units. More means records built to make the reader allocate.
inline constexpr uint64_t kLoadBudgetBase = uint64_t { 64 } << 20;
inline constexpr uint64_t kLoadBudgetPerRecordByte = 24;
// However a file compressed, no load takes more than this, the bytes of
// its records included: more than a database of a million regions needs.
inline constexpr uint64_t kLoadMemoryCeiling = uint64_t { 4 } << 30;

// Why a load over `limit` bytes of memory was refused; also the reason given
// for a compressed report that unpacks to more than its budget.
std::string OverBudgetText(uint64_t limit);

// A packed input (an archive member, a compressed report) may unpack to
// kLoadBudgetBase plus kPackedBudgetPerByte for every packed byte: far more
// than reports compress, far less than a bomb unpacks to.
inline constexpr uint64_t kPackedBudgetPerByte = 96;
uint64_t PackedInputBudget(uint64_t packedBytes);

// Why a packed input over `limit` bytes was refused.
std::string OverBudgetText(uint64_t limit);

// What a load has taken of its budget, by the reader's estimate of each
// allocation, counted before the allocation is made.
class LoadBudget {
public:
    // A budget that grows with the bytes read up to `ceiling`.
    explicit LoadBudget(uint64_t ceiling = kLoadMemoryCeiling)
        : FCeiling(ceiling)
    {
    }
    // A budget that never refuses, for reads of trusted bytes.
    static LoadBudget Unlimited();

    // The records have been read up to byte `position` of their bytes.
    void Reached(uint64_t position);

    // Counts `bytes` more. Throws DamagedFileError when the load would then
    // take more than the records read so far can describe, and Error when it
    // would take more than the ceiling.
    void Charge(uint64_t bytes);
    // Charge(count * bytesEach), without overflow.
    void Charge(uint64_t count, uint64_t bytesEach);

    uint64_t Used() const { return FUsed; }
    // What the records read so far allow, at most the ceiling.
    uint64_t Limit() const;

private:
    uint64_t FCeiling;
    uint64_t FPosition = 0;
    uint64_t FUsed = 0;
    bool FGrows = true;
};

} // namespace maprune
