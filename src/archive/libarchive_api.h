// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <archive.h>
#include <archive_entry.h>

namespace maprune {

// The libarchive functions that the archive reader calls.
#ifdef _WIN32
#define MAPRUNE_OPEN_FILENAME_W(X) X(archive_read_open_filename_w)
#else
#define MAPRUNE_OPEN_FILENAME_W(X)
#endif
#define MAPRUNE_LIBARCHIVE_FUNCTIONS(X)                                                            \
    X(archive_read_new)                                                                            \
    X(archive_read_free)                                                                           \
    X(archive_error_string)                                                                        \
    X(archive_read_support_format_zip)                                                             \
    X(archive_read_support_format_raw)                                                             \
    X(archive_read_support_filter_gzip)                                                            \
    X(archive_read_support_filter_bzip2)                                                           \
    X(archive_read_support_filter_xz)                                                              \
    X(archive_read_open_filename)                                                                  \
    MAPRUNE_OPEN_FILENAME_W(X)                                                                     \
    X(archive_read_next_header)                                                                    \
    X(archive_read_data)                                                                           \
    X(archive_read_data_skip)                                                                      \
    X(archive_entry_filetype)                                                                      \
    X(archive_entry_pathname)                                                                      \
    X(archive_entry_pathname_utf8)                                                                 \
    X(archive_entry_size)                                                                          \
    X(archive_entry_size_is_set)

// The reader reaches libarchive through this table, so that a program may
// load the library only when it meets an archive or a compressed file:
// libarchive and what it needs (libxml2, ICU) then cost a start nothing.
struct LibArchiveApi {
#define MAPRUNE_API_FIELD(name) decltype(&::name) name = nullptr;
    MAPRUNE_LIBARCHIVE_FUNCTIONS(MAPRUNE_API_FIELD)
#undef MAPRUNE_API_FIELD
};

// The table, the library loaded on the first call where the build loads it;
// throws Error telling why when it cannot be loaded.
const LibArchiveApi& LibArchive();

} // namespace maprune
