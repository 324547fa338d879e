// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace maprune {

// How KDF files are written; filled from the settings by the caller.
struct KdfWriteOptions {
    // Setting FastKDF: zlib level 1 (fastest) when true, 9 (best) when false.
    bool FastKDF = true;
};

// The zlib level that `options` choose.
int KdfCompressionLevel(const KdfWriteOptions& options);

} // namespace maprune
