// SPDX-License-Identifier: GPL-3.0-or-later
// Archives and compressed files through libarchive: a .zip's members, and
// the one member of a file compressed with gzip, bzip2 or xz.
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "archive/archive_support.h"
#include "archive/libarchive_api.h"
#include "core/error.h"
#include "core/path_text.h"

namespace maprune {

namespace {

constexpr size_t kBlockBytes = size_t { 64 } << 10;

struct ArchiveFree {
    void operator()(archive* a) const { LibArchive().archive_read_free(a); }
};
using ArchiveHandle = std::unique_ptr<archive, ArchiveFree>;

bool IsZip(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".zip";
}

std::string Damaged(archive* a)
{
    const char* reason = LibArchive().archive_error_string(a);
    return std::string("beschädigt oder unvollständig")
        + (reason != nullptr ? std::string(": ") + reason : std::string());
}

ArchiveHandle OpenArchive(const std::filesystem::path& file)
{
    try {
        LibArchive();
    } catch (const Error& e) {
        throw Error(
            "Die Datei " + PathText(file) + " konnte nicht gelesen werden (" + e.what() + ").");
    }
    ArchiveHandle a(LibArchive().archive_read_new());
    if (!a)
        throw Error(
            "Die Datei " + PathText(file) + " konnte nicht gelesen werden (kein Speicher).");
    if (IsZip(file)) {
        LibArchive().archive_read_support_format_zip(a.get());
    } else {
        LibArchive().archive_read_support_filter_gzip(a.get());
        LibArchive().archive_read_support_filter_bzip2(a.get());
        LibArchive().archive_read_support_filter_xz(a.get());
        LibArchive().archive_read_support_format_raw(a.get());
    }
#ifdef _WIN32
    const int opened
        = LibArchive().archive_read_open_filename_w(a.get(), file.c_str(), kBlockBytes);
#else
    const int opened = LibArchive().archive_read_open_filename(a.get(), file.c_str(), kBlockBytes);
#endif
    if (opened != ARCHIVE_OK) {
        throw Error("Die Datei " + PathText(file) + " konnte nicht gelesen werden ("
            + Damaged(a.get()) + ").");
    }
    return a;
}

// The next regular file of the archive, or null at its end; folders and
// links are passed over.
archive_entry* NextFile(archive* a, const std::filesystem::path& file)
{
    for (;;) {
        archive_entry* entry = nullptr;
        const int read = LibArchive().archive_read_next_header(a, &entry);
        if (read == ARCHIVE_EOF)
            return nullptr;
        if (read < ARCHIVE_WARN) {
            throw Error("Die Datei " + PathText(file) + " konnte nicht gelesen werden ("
                + Damaged(a) + ").");
        }
        if (LibArchive().archive_entry_filetype(entry) == AE_IFREG)
            return entry;
    }
}

std::string MemberName(archive_entry* entry, const std::filesystem::path& file)
{
    // The raw format of a compressed file names its one member "data".
    if (!IsZip(file))
        return PathText(file.stem());
    const char* name = LibArchive().archive_entry_pathname_utf8(entry);
    if (name == nullptr)
        name = LibArchive().archive_entry_pathname(entry);
    return name != nullptr ? name : "";
}

class MemberSource : public ByteSource {
public:
    MemberSource(std::filesystem::path file, size_t index, std::string name)
        : FFile(std::move(file))
        , FIndex(index)
        , FName(std::move(name))
    {
    }

    std::string Name() const override { return PathText(FFile) + ": " + FName; }

    std::string ReadAll(const ByteLimit& limit) override
    {
        const ArchiveHandle a = OpenArchive(FFile);
        archive_entry* entry = nullptr;
        for (size_t i = 0; i <= FIndex; ++i) {
            entry = NextFile(a.get(), FFile);
            if (entry == nullptr)
                throw Error("das Archiv hat sich seit dem Auflisten geändert");
        }
        // A size in the header is checked before anything is unpacked; the
        // count below holds for archives that do not tell or lie.
        if (LibArchive().archive_entry_size_is_set(entry) != 0
            && static_cast<uint64_t>(LibArchive().archive_entry_size(entry)) > limit.Bytes)
            throw Error(limit.Message);
        std::string bytes;
        std::string block(kBlockBytes, '\0');
        for (;;) {
            const la_ssize_t got
                = LibArchive().archive_read_data(a.get(), block.data(), block.size());
            if (got < 0)
                throw Error(Damaged(a.get()));
            if (got == 0)
                return bytes;
            if (static_cast<uint64_t>(got) > limit.Bytes - bytes.size())
                throw Error(limit.Message);
            bytes.append(block.data(), static_cast<size_t>(got));
        }
    }

private:
    std::filesystem::path FFile;
    size_t FIndex;
    std::string FName;
};

class LibArchiveReader : public PackedFileReader {
public:
    std::vector<std::unique_ptr<ByteSource>> Members(const std::filesystem::path& file) override
    {
        const ArchiveHandle a = OpenArchive(file);
        std::vector<std::unique_ptr<ByteSource>> members;
        while (archive_entry* entry = NextFile(a.get(), file)) {
            members.push_back(
                std::make_unique<MemberSource>(file, members.size(), MemberName(entry, file)));
            // Only a zip's headers are listed; unpacking a compressed file
            // waits for ReadAll and its limit.
            if (!IsZip(file))
                break;
            if (LibArchive().archive_read_data_skip(a.get()) < ARCHIVE_WARN) {
                throw Error("Die Datei " + PathText(file) + " konnte nicht gelesen werden ("
                    + Damaged(a.get()) + ").");
            }
        }
        return members;
    }
};

} // namespace

std::unique_ptr<PackedFileReader> MakeArchiveReader()
{
    return std::make_unique<LibArchiveReader>();
}

} // namespace maprune
