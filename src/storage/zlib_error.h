// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/error.h"

namespace maprune {

// A failure of zlib while compressing or decompressing; the text starts with
// "Error".
class CompressionError : public Error {
public:
    using Error::Error;
};

// Throws the CompressionError for zlib's result code `result`.
[[noreturn]] void ThrowZlibError(int result);

} // namespace maprune
