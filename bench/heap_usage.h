// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Heap accounting through the global allocation functions, which this header
// replaces: include it in exactly one file of a benchmark program.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace maprune::bench {

namespace heap {

inline std::atomic<int64_t> gLive { 0 };
inline std::atomic<int64_t> gPeak { 0 };

inline void* Allocate(std::size_t size)
{
    // A size header in front of every block lets delete count it back.
    auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
    if (block == nullptr)
        throw std::bad_alloc();
    *block = size;
    const int64_t live = gLive += static_cast<int64_t>(size);
    int64_t peak = gPeak.load();
    while (live > peak && !gPeak.compare_exchange_weak(peak, live)) { }
    return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}

inline void Free(void* p) noexcept
{
    if (p == nullptr)
        return;
    auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - sizeof(std::max_align_t));
    gLive -= static_cast<int64_t>(*block);
    std::free(block);
}

} // namespace heap

// The heap bytes in use now.
inline int64_t LiveHeapBytes()
{
    return heap::gLive.load();
}

// Measures the heap a piece of work holds at its end and needed at its peak.
class HeapWatch {
public:
    HeapWatch()
        : FBase(heap::gLive.load())
    {
        heap::gPeak = FBase;
    }
    int64_t Held() const { return heap::gLive.load() - FBase; }
    int64_t Peak() const { return heap::gPeak.load() - FBase; }

private:
    int64_t FBase;
};

} // namespace maprune::bench

void* operator new(std::size_t size)
{
    return maprune::bench::heap::Allocate(size);
}
void* operator new[](std::size_t size)
{
    return maprune::bench::heap::Allocate(size);
}
void operator delete(void* p) noexcept
{
    maprune::bench::heap::Free(p);
}
void operator delete[](void* p) noexcept
{
    maprune::bench::heap::Free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    maprune::bench::heap::Free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    maprune::bench::heap::Free(p);
}
