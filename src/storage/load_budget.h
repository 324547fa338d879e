// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace maprune {

// The memory that loading a KDF file may take: kLoadBudgetBase plus
// kLoadBudgetPerFileByte for every byte of the file. A database that
// Maprune wrote takes about 24 bytes of memory per file byte at compression
// level 1 and about 41 at level 9 (bench_kdf's 44,000 regions); the budget
// leaves room beyond both, while a small hostile file cannot take the
// machine's memory.
inline constexpr uint64_t kLoadBudgetBase = uint64_t { 64 } << 20;
inline constexpr uint64_t kLoadBudgetPerFileByte = 96;

// The budget of a file of `fileBytes` bytes; saturates instead of overflowing.
uint64_t LoadMemoryBudget(uint64_t fileBytes);

// Why a load over `limit` bytes of memory was refused; also the reason given
// for a compressed report that unpacks to more than its budget.
std::string OverBudgetText(uint64_t limit);

// What a load has taken of its budget, by the reader's estimate of each
// allocation, counted before the allocation is made.
class LoadBudget {
public:
    explicit LoadBudget(uint64_t limit)
        : FLimit(limit)
    {
    }

    // Counts `bytes` more. Throws DamagedFileError when the load would then
    // take more than the limit: the file claims more than its bytes can
    // describe.
    void Charge(uint64_t bytes);
    // Charge(count * bytesEach), without overflow.
    void Charge(uint64_t count, uint64_t bytesEach);

    uint64_t Used() const { return FUsed; }
    uint64_t Limit() const { return FLimit; }

private:
    uint64_t FLimit;
    uint64_t FUsed = 0;
};

} // namespace maprune
