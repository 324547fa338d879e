// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/load_budget.h"

#include <limits>
#include <string>

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

uint64_t LoadMemoryBudget(uint64_t fileBytes)
{
    if (fileBytes > (kNoLimit - kLoadBudgetBase) / kLoadBudgetPerFileByte)
        return kNoLimit;
    return kLoadBudgetBase + fileBytes * kLoadBudgetPerFileByte;
}

void LoadBudget::Charge(uint64_t bytes)
{
    if (bytes <= FLimit - FUsed) {
        FUsed += bytes;
        return;
    }
    ThrowDamagedFile(OverBudgetText(FLimit));
}

void LoadBudget::Charge(uint64_t count, uint64_t bytesEach)
{
    Charge(bytesEach != 0 && count > kNoLimit / bytesEach ? kNoLimit : count * bytesEach);
}

} // namespace maprune
