// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "core/error.h"

namespace maprune {

// Failures of reading and writing bytes. A stream used in the wrong direction
// or positioned where it cannot go fails with the text "Invalid stream
// operation": StreamReadError for reading, StreamWriteError for writing,
// StreamError for positioning. A file that cannot be opened, created or
// written fails with the text of FileFailureMessage.
class StreamError : public Error {
public:
    using Error::Error;
};

class StreamReadError : public StreamError {
public:
    using StreamError::StreamError;
};

class StreamWriteError : public StreamError {
public:
    using StreamError::StreamError;
};

inline constexpr const char* kInvalidStreamOperation = "Invalid stream operation";

// "<what> "<path>". <reason>" ("Cannot write file "x". No space left on
// device"), the reason as far as the C library recorded one in errno for the
// failed operation; the caller clears errno before that operation.
std::string FileFailureMessage(const char* what, const std::filesystem::path& path);

} // namespace maprune
