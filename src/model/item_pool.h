// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace maprune {

// Memory for report items. A report holds millions of small items (a region
// alone owns twenty sub-objects), and the general heap spends a header on
// each and much time on their allocation; the pool hands out blocks of
// 8-byte size classes from 64 KiB slabs without a header. Items must not
// need a stricter alignment than 8 bytes.
//
// Freed blocks are kept for the next items of their size class (per thread);
// slabs live until the program ends, so a block may be freed on any thread.
// Sizes above 512 bytes, and every size in builds with AddressSanitizer
// (which must see each object), go to the general heap.
void* AllocateItemMemory(std::size_t size);
// `size` must be the size that was passed to AllocateItemMemory.
void FreeItemMemory(void* block, std::size_t size) noexcept;

} // namespace maprune
