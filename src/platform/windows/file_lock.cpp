// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_lock.h"

namespace maprune {

// No lock: a handle the program held on the file would keep its own save
// from replacing it (see the header).
FileLock::FileLock(const std::filesystem::path&) { }

FileLock::~FileLock() = default;

} // namespace maprune
