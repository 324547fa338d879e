// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iterator>
#include <vector>

namespace maprune {

// Appends what `collect` pushes into the vector it is given to `target`,
// with one allocation of exactly the room needed: read lists keep no slack
// from growing step by step, which in a large report adds up to megabytes.
// `collect` must not call AppendExactly for the same element type.
template <class T, class Collect> void AppendExactly(std::vector<T>& target, Collect&& collect)
{
    // Kept between calls, so that collecting allocates only while it grows.
    thread_local std::vector<T> scratch;
    scratch.clear();
    collect(scratch);
    if (scratch.empty())
        return;
    target.reserve(target.size() + scratch.size());
    std::move(scratch.begin(), scratch.end(), std::back_inserter(target));
    scratch.clear();
}

} // namespace maprune
