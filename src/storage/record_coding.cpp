// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/record_coding.h"

#include <cstdint>
#include <limits>

namespace maprune {

std::string_view ReadShortString(ByteReader& in)
{
    return in.ReadBytes(in.ReadU8());
}

std::string ReadLongString(ByteReader& in)
{
    return std::string(ReadLongStringView(in));
}

std::string_view ReadLongStringView(ByteReader& in)
{
    const int32_t length = in.ReadI32();
    if (length <= 0)
        return {};
    return in.ReadBytes(static_cast<size_t>(length));
}

void PutShortString(ByteWriter& out, std::string_view text)
{
    if (text.size() > std::numeric_limits<uint8_t>::max())
        throw Error("Ein Name von " + std::to_string(text.size())
            + " Bytes ist zu lang, um gespeichert zu werden (höchstens 255)");
    out.PutU8(static_cast<uint8_t>(text.size()));
    out.PutBytes(text);
}

void PutLongString(ByteWriter& out, std::string_view text)
{
    if (text.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw Error("Ein Text von " + std::to_string(text.size())
            + " Bytes ist zu lang, um gespeichert zu werden");
    out.PutI32(static_cast<int32_t>(text.size()));
    out.PutBytes(text);
}

} // namespace maprune
