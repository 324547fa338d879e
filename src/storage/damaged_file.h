// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/error.h"

namespace maprune {

// A KDF file whose content contradicts itself (a count or length larger than
// the data that follows, objects nested too deep, a record in the wrong
// place). The text starts with "Die KDF-Datei ist beschädigt: ".
class DamagedFileError : public Error {
public:
    using Error::Error;
};

[[noreturn]] void ThrowDamagedFile(const std::string& detail);

} // namespace maprune
