// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/write_file.h"

#include <random>

#include "core/error.h"
#include "core/file_sink.h"
#include "core/path_text.h"

namespace maprune {

namespace {

// A name beside `path` that no file has yet; random, so that an interrupted
// earlier save does not get in the way.
std::filesystem::path TemporaryBeside(const std::filesystem::path& path)
{
    std::random_device random;
    for (;;) {
        std::filesystem::path candidate = path;
        candidate += "." + std::to_string(random() % 1000000) + ".tmp";
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec))
            return candidate;
    }
}

void RemoveQuietly(const std::filesystem::path& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

} // namespace

void ReplaceFileAtomically(const std::filesystem::path& path,
                           const std::function<void(const std::filesystem::path&)>& write)
{
    const std::filesystem::path temporary = TemporaryBeside(path);
    try {
        write(temporary);
    } catch (...) {
        RemoveQuietly(temporary);
        throw;
    }
    // std::filesystem::rename replaces an existing target on Windows too.
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        RemoveQuietly(temporary);
        throw Error("cannot replace " + PathText(path) + ": " + ec.message());
    }
}

void WriteFileAtomically(
    const std::filesystem::path& path, const std::function<void(ByteSink&)>& write)
{
    ReplaceFileAtomically(path, [&write](const std::filesystem::path& temporary) {
        FileSink file(temporary);
        write(file);
        file.Close();
    });
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    WriteFileAtomically(path, [bytes](ByteSink& file) { file.Write(bytes); });
}

} // namespace maprune
