// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace maprune {

// The most bytes a source may deliver, and the message of a source that
// holds more (the reader's own limit or the memory budget).
struct ByteLimit {
    std::uint64_t Bytes = 0;
    std::string Message;
};

// The bytes of one report, wherever they are kept: a plain file, a
// compressed file or a member of an archive. The CR reader reads from it.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // How messages name it: the path of a file, "a.zip: b.cr" for a member.
    virtual std::string Name() const = 0;
    // All its bytes. Throws Error as soon as there are more than
    // `limit.Bytes`, before they are all in memory (with `limit.Message`; a
    // plain file says it with ReadFileBytes's message), and Error with the
    // reason when they cannot be read (a damaged archive).
    virtual std::string ReadAll(const ByteLimit& limit) = 0;
};

// A plain file.
class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(std::filesystem::path file)
        : FFile(std::move(file))
    {
    }
    std::string Name() const override;
    std::string ReadAll(const ByteLimit& limit) override;

private:
    std::filesystem::path FFile;
};

// Reads archives (the members of a .zip) and compressed files (.gz, .bz2,
// .xz, one member named like the file without that extension). The
// programs install one (InstallPackedFileReader); a build without the
// archive library has none and reads plain files only.
class PackedFileReader {
public:
    virtual ~PackedFileReader() = default;
    // The members of `file` in their order, as sources that read them when
    // asked. Throws Error naming the file when it is no archive or damaged.
    virtual std::vector<std::unique_ptr<ByteSource>> Members(const std::filesystem::path& file) = 0;
};

// The installed reader; null when there is none.
PackedFileReader* InstalledPackedFileReader();
// Installs `reader` (null: none) for the whole program; it must outlive
// every read. Returns the one installed before.
PackedFileReader* InstallPackedFileReader(PackedFileReader* reader);

} // namespace maprune
