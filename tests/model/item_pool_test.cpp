// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "model/history_integer.h"
#include "model/item_pool.h"

namespace maprune {
namespace {

TEST(ItemPool, BlocksAreAlignedDistinctAndReused)
{
    std::vector<void*> blocks;
    std::set<uintptr_t> seen;
    for (std::size_t size : {1u, 16u, 17u, 40u, 64u, 400u, 512u, 513u, 4000u}) {
        for (int i = 0; i < 100; ++i) {
            void* block = AllocateItemMemory(size);
            EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % 8, 0u);
            EXPECT_TRUE(seen.insert(reinterpret_cast<uintptr_t>(block)).second);
            std::memset(block, 0xAB, size);
            blocks.push_back(block);
            FreeItemMemory(block, size);
            void* again = AllocateItemMemory(size);
            blocks.back() = again;
            seen.erase(reinterpret_cast<uintptr_t>(block));
            seen.insert(reinterpret_cast<uintptr_t>(again));
        }
    }
    std::size_t i = 0;
    for (std::size_t size : {1u, 16u, 17u, 40u, 64u, 400u, 512u, 513u, 4000u}) {
        for (int k = 0; k < 100; ++k)
            FreeItemMemory(blocks[i++], size);
    }
}

TEST(ItemPool, ReportItemsLiveInIt)
{
    // Items are made, used and freed through the pool like any object.
    auto* first = new THistoryInteger;
    delete first;
    auto* second = new THistoryInteger;
    second->AddValue(3, 4);
    EXPECT_EQ(second->CurrentValue(), 4);
    delete second;
}

} // namespace
} // namespace maprune
