// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_writing.h"

#include <memory>
#include <stdexcept>

#include <archive.h>
#include <archive_entry.h>

namespace maprune::test {

namespace {

struct WriterFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
using Writer = std::unique_ptr<archive, WriterFree>;

void Check(archive* a, int result)
{
    if (result < ARCHIVE_WARN)
        throw std::runtime_error(archive_error_string(a));
}

void WriteMember(archive* a, const ArchiveMember& member)
{
    std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(
        archive_entry_new(), &archive_entry_free);
    archive_entry_set_pathname(entry.get(), member.Name.c_str());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(
        entry.get(), static_cast<la_int64_t>(member.Bytes.size() * member.Repeat));
    Check(a, archive_write_header(a, entry.get()));
    for (size_t i = 0; i < member.Repeat; ++i) {
        if (archive_write_data(a, member.Bytes.data(), member.Bytes.size())
            != static_cast<la_ssize_t>(member.Bytes.size()))
            throw std::runtime_error(archive_error_string(a));
    }
}

void Write(const std::filesystem::path& file, Writer& a, const std::vector<ArchiveMember>& members)
{
#ifdef _WIN32
    Check(a.get(), archive_write_open_filename_w(a.get(), file.c_str()));
#else
    Check(a.get(), archive_write_open_filename(a.get(), file.c_str()));
#endif
    for (const ArchiveMember& member : members)
        WriteMember(a.get(), member);
    Check(a.get(), archive_write_close(a.get()));
}

} // namespace

void WriteZip(const std::filesystem::path& file, const std::vector<ArchiveMember>& members)
{
    Writer a(archive_write_new());
    archive_write_set_format_zip(a.get());
    Write(file, a, members);
}

void WriteCompressed(const std::filesystem::path& file, int filter, const ArchiveMember& member)
{
    Writer a(archive_write_new());
    Check(a.get(), archive_write_add_filter(a.get(), filter));
    archive_write_set_format_raw(a.get());
    Write(file, a, { member });
}

} // namespace maprune::test
