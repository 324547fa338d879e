// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/double_bytes.h"

#include <bit>
#include <cstdint>

namespace maprune {

std::string EncodeDoubleBytes(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::string bytes(8, '\0');
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

std::optional<double> DecodeDoubleBytes(const std::string& bytes)
{
    if (bytes.size() != 8)
        return std::nullopt;
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return std::bit_cast<double>(bits);
}

} // namespace maprune
