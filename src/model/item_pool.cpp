// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/item_pool.h"

#include <array>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define MAPRUNE_ITEM_POOL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MAPRUNE_ITEM_POOL 0
#endif
#endif
#ifndef MAPRUNE_ITEM_POOL
#define MAPRUNE_ITEM_POOL 1
#endif

namespace maprune {

namespace {

// Items hold pointers, integers and strings: 8-byte alignment is theirs, and
// finer classes than the heap's 16 bytes waste less in the many small ones.
constexpr std::size_t kGranule = 8;
constexpr std::size_t kLargestPooled = 512;
constexpr std::size_t kSizeClasses = kLargestPooled / kGranule;
constexpr std::size_t kSlabBytes = 64 * 1024;

bool IsPooled(std::size_t size)
{
    return MAPRUNE_ITEM_POOL != 0 && size > 0 && size <= kLargestPooled;
}

std::size_t SizeClass(std::size_t size)
{
    return (size + kGranule - 1) / kGranule - 1;
}

// Slabs of all threads, kept for the whole run of the program.
class SlabStore {
public:
    char* NewSlab()
    {
        // Not zero-filled: every block is constructed before it is read.
        auto slab = std::make_unique_for_overwrite<char[]>(kSlabBytes);
        char* memory = slab.get();
        const std::lock_guard<std::mutex> lock(FMutex);
        FSlabs.push_back(std::move(slab));
        return memory;
    }

private:
    std::mutex FMutex;
    std::vector<std::unique_ptr<char[]>> FSlabs;
};

SlabStore& Slabs()
{
    // Never destroyed: items may be freed during the destruction of statics.
    static SlabStore* store = new SlabStore;
    return *store;
}

struct FreeBlock {
    FreeBlock* Next;
};

struct ThreadPool {
    std::array<FreeBlock*, kSizeClasses> Free {};
    char* Cursor = nullptr;
    char* End = nullptr;
};

thread_local ThreadPool tPool;

} // namespace

void* AllocateItemMemory(std::size_t size)
{
    if (!IsPooled(size))
        return ::operator new(size);
    const std::size_t sizeClass = SizeClass(size);
    if (FreeBlock* block = tPool.Free[sizeClass]) {
        tPool.Free[sizeClass] = block->Next;
        return block;
    }
    const std::size_t bytes = (sizeClass + 1) * kGranule;
    if (static_cast<std::size_t>(tPool.End - tPool.Cursor) < bytes) {
        // The rest of the old slab is left unused.
        tPool.Cursor = Slabs().NewSlab();
        tPool.End = tPool.Cursor + kSlabBytes;
    }
    void* memory = tPool.Cursor;
    tPool.Cursor += bytes;
    return memory;
}

void FreeItemMemory(void* block, std::size_t size) noexcept
{
    if (block == nullptr)
        return;
    if (!IsPooled(size)) {
        ::operator delete(block);
        return;
    }
    const std::size_t sizeClass = SizeClass(size);
    auto* freed = static_cast<FreeBlock*>(block);
    freed->Next = tPool.Free[sizeClass];
    tPool.Free[sizeClass] = freed;
}

} // namespace maprune
