// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/byte_coding.h"

namespace maprune {

// The primitive encodings of object records, over the little-endian coding
// module:
//   short string: 1 byte length n (0..255), then n bytes;
//   long string:  4-byte signed length n, then n bytes; n <= 0 is empty.
// Reads throw TruncatedData when the bytes run out.

std::string_view ReadShortString(ByteReader& in);
std::string ReadLongString(ByteReader& in);
// The same as a view into the bytes of `in`, copying nothing.
std::string_view ReadLongStringView(ByteReader& in);

// Throws Error for a text longer than 255 bytes.
void PutShortString(ByteWriter& out, std::string_view text);
// Throws Error for a text of 2 GiB or more.
void PutLongString(ByteWriter& out, std::string_view text);

} // namespace maprune
