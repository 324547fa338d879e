// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/read_file.h"

#include <fstream>

#include "core/error.h"
#include "core/path_text.h"

namespace maprune {

std::string ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw Error(PathText(path) + " ist ein Ordner, keine Datei");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Error(PathText(path) + " kann nicht geöffnet werden");
    // The size is taken from the open stream, not from the directory entry,
    // so that a file replaced in between cannot slip past the limit.
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        throw Error(PathText(path) + " kann nicht gelesen werden");
    if (static_cast<std::uintmax_t>(size) > maxBytes)
        throw Error(PathText(path) + " ist größer als " + std::to_string(maxBytes) + " Bytes");
    in.seekg(0, std::ios::beg);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!in.read(bytes.data(), size) || in.gcount() != size)
        throw Error(PathText(path) + " kann nicht gelesen werden");
    return bytes;
}

} // namespace maprune
