// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>

#include "core/byte_sink.h"

namespace maprune {

// A newly created file (an existing one is truncated) as a sink. Writers
// reach files through WriteFileAtomically, which creates one of these for
// the temporary file.
class FileSink final : public ByteSink {
public:
    // Throws StreamError("Cannot create file \"...\". <reason>").
    explicit FileSink(const std::filesystem::path& path);
    // Closes a file that Close did not; a write error at this point goes
    // unreported, so whoever keeps the file calls Close first.
    ~FileSink() override;

    // Throws StreamWriteError("Cannot write file \"...\". <reason>") when the
    // file takes fewer bytes (disk full).
    void Write(std::string_view bytes) override;

    // Writes out what the file layer still holds and closes the file. Throws
    // StreamWriteError when that fails. Nothing may be written afterwards.
    void Close();

private:
    [[noreturn]] void ThrowWriteError() const;

    std::filesystem::path FPath;
    std::filebuf FFile;
};

} // namespace maprune
