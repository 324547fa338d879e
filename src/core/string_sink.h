// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/byte_sink.h"

namespace maprune {

// A sink that keeps the bytes in memory: for the clipboard, for writers whose
// text is wanted as a whole, and for tests.
class StringSink final : public ByteSink {
public:
    void Write(std::string_view bytes) override { FBytes.append(bytes); }

    const std::string& Bytes() const { return FBytes; }
    std::string Take() { return std::move(FBytes); }

private:
    std::string FBytes;
};

} // namespace maprune
