// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/load_budget.h"

#include <algorithm>
#include <limits>
#include <string>

#include "core/error.h"
#include "storage/damaged_file.h"

namespace maprune {

namespace {

constexpr uint64_t kNoLimit = std::numeric_limits<uint64_t>::max();

std::string Megabytes(uint64_t bytes)
{
    return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB";
}

} // namespace

std::string OverBudgetText(uint64_t limit)
{
    return "ihr Inhalt bräuchte mehr als " + Megabytes(limit)
        + " Arbeitsspeicher, mehr als eine Datei dieser Größe beschreiben kann";
}

uint64_t PackedInputBudget(uint64_t packedBytes)
{
    if (packedBytes > (kNoLimit - kLoadBudgetBase) / kPackedBudgetPerByte)
        return kNoLimit;
    return kLoadBudgetBase + packedBytes * kPackedBudgetPerByte;
}

LoadBudget LoadBudget::Unlimited()
{
    LoadBudget budget(kNoLimit);
    budget.FGrows = false;
    return budget;
}

void LoadBudget::Reached(uint64_t position)
{
    FPosition = std::max(FPosition, position);
}

uint64_t LoadBudget::Limit() const
{
    if (!FGrows)
        return FCeiling;
    const uint64_t described = FPosition > (kNoLimit - kLoadBudgetBase) / kLoadBudgetPerRecordByte
        ? kNoLimit
        : kLoadBudgetBase + FPosition * kLoadBudgetPerRecordByte;
    return std::min(described, FCeiling);
}

void LoadBudget::Charge(uint64_t bytes)
{
    const uint64_t limit = Limit();
    if (bytes <= limit - std::min(FUsed, limit)) {
        FUsed += bytes;
        return;
    }
    if (limit == FCeiling) {
        throw Error("Die KDF-Datei bräuchte mehr als " + Megabytes(FCeiling)
            + " Arbeitsspeicher; so große Datenbanken kann diese Maprune-Version nicht laden.");
    }
    ThrowDamagedFile("ihr Inhalt bräuchte mehr als " + Megabytes(limit)
        + " Arbeitsspeicher, mehr als seine ersten " + std::to_string(FPosition)
        + " Bytes beschreiben können");
}

void LoadBudget::Charge(uint64_t count, uint64_t bytesEach)
{
    Charge(bytesEach != 0 && count > kNoLimit / bytesEach ? kNoLimit : count * bytesEach);
}

} // namespace maprune
