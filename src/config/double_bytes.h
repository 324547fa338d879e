// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace maprune {

// A double as the 8 bytes of its IEEE 754 form, least significant byte first,
// whatever the byte order of the machine.
std::string EncodeDoubleBytes(double value);

// The double held in `bytes`; nullopt unless there are exactly 8 bytes.
std::optional<double> DecodeDoubleBytes(const std::string& bytes);

} // namespace maprune
