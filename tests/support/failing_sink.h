// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/byte_sink.h"

namespace maprune::test {

// A sink that takes the first `capacity` bytes, handing them on to `next`
// when given, and then fails as a full disk does: the Write that goes past
// the capacity passes on what still fits and throws StreamWriteError with
// kMessage.
class FailingSink : public ByteSink {
public:
    static constexpr const char* kMessage = "Cannot write file \"test\". No space left on device";

    explicit FailingSink(size_t capacity, ByteSink* next = nullptr);

    void Write(std::string_view bytes) override;

    // The bytes taken so far.
    const std::string& Taken() const { return FTaken; }

private:
    size_t FCapacity;
    ByteSink* FNext;
    std::string FTaken;
};

// Checks a writer against failing sinks; `write` writes the same bytes into
// the sink it is given each time it is called. Through WriteFileAtomically,
// for a sink failing at the first byte, in the middle and at the last byte,
// the writer must pass the sink's failure on as an Error and the former file
// must stay as it was with no temporary file left; with room for all bytes
// the file must take them.
void ExpectSinkFailuresPassedOn(const std::function<void(ByteSink&)>& write);

} // namespace maprune::test
