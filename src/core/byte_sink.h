// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace maprune {

// Where a file writer puts its bytes: the file itself (FileSink, handed out
// by WriteFileAtomically) or whatever a caller hands in, such as a test's
// sink that fails. Write takes all of `bytes` or throws Error; after a throw
// the writer stops and passes the Error on.
class ByteSink {
public:
    ByteSink() = default;
    virtual ~ByteSink() = default;
    ByteSink(const ByteSink&) = delete;
    ByteSink& operator=(const ByteSink&) = delete;

    virtual void Write(std::string_view bytes) = 0;
};

} // namespace maprune
