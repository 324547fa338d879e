// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace maprune::test {

// One file of an archive written by the tests: `Bytes` written `Repeat`
// times, so that a bomb needs no memory of its size.
struct ArchiveMember {
    std::string Name;
    std::string Bytes;
    size_t Repeat = 1;
};

// Writes a zip (deflate) of `members`.
void WriteZip(const std::filesystem::path& file, const std::vector<ArchiveMember>& members);

// Writes the one member's bytes compressed with the libarchive filter
// `filter` (ARCHIVE_FILTER_GZIP, _BZIP2, _XZ), as gzip, bzip2 and xz do.
void WriteCompressed(const std::filesystem::path& file, int filter, const ArchiveMember& member);

} // namespace maprune::test
