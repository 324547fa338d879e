// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/lines/line_number.h"

#include "model/numbers.h"

namespace maprune {

int32_t NumberInLine(std::string_view line, int32_t basis)
{
    for (size_t open = line.find('('); open != std::string_view::npos;
         open = line.find('(', open + 1)) {
        const std::string_view rest = line.substr(open + 1);
        const int32_t number = ParseNr(rest.substr(0, rest.find(')')), basis);
        if (number != -1)
            return number;
    }
    return -1;
}

} // namespace maprune
