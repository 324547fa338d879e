// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as an alliance file. Reading must end in a
// list or in its error, never crash, hang or leak; a list it returns must
// be writable, and what is written must read back as the same list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/error.h"
#include "core/text_encoding.h"
#include "map/alliance_file.h"

namespace {

// A name as the file keeps it and the reader gives it back.
std::string EightBit(const std::string& name)
{
    return maprune::DisplayText(maprune::Utf8ToCp1252(name));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    maprune::AllianceList alliances;
    try {
        alliances = maprune::ParseAllianceFile(bytes);
    } catch (const maprune::Error&) {
        return 0;
    }
    // Once read, a list is in the form that writing keeps, but for what the
    // 8-bit character set of the file does to each name: a character it
    // lacks becomes '?', and its bytes read back as UTF-8 where they form
    // that.
    maprune::AllianceList expected = alliances;
    for (maprune::Alliance& alliance : expected) {
        alliance.Name = EightBit(alliance.Name);
        for (maprune::AllianceMember& member : alliance.Members)
            member.Name = EightBit(member.Name);
    }
    const maprune::AllianceList again
        = maprune::ParseAllianceFile(maprune::FormatAllianceFile(alliances));
    if (again != expected)
        __builtin_trap();
    return 0;
}
