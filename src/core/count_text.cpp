// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/count_text.h"

namespace maprune {

std::string CountText(int64_t count, std::string_view one, std::string_view many)
{
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

} // namespace maprune
