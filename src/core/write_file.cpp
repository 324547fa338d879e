// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/write_file.h"

#include <fstream>

#include "core/error.h"

namespace maprune {

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            throw Error("cannot create " + temporary.string());
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw Error("cannot write " + temporary.string());
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw Error("cannot replace " + path.string() + ": " + ec.message());
    }
}

} // namespace maprune
