// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as an alliance file. Reading must end in a
// list or in its error, never crash, hang or leak; a list it returns must
// be writable, and what is written must read back as the same list.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/error.h"
#include "map/alliance_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    maprune::AllianceList alliances;
    try {
        alliances = maprune::ParseAllianceFile(bytes);
    } catch (const maprune::Error&) {
        return 0;
    }
    // Once read, a list is in the form that writing keeps; a byte order mark
    // opening the first name is the one thing the reader strips again.
    const maprune::AllianceList again
        = maprune::ParseAllianceFile(maprune::FormatAllianceFile(alliances));
    if (again != alliances && !(alliances.front().Name.starts_with("\xEF\xBB\xBF")))
        __builtin_trap();
    return 0;
}
