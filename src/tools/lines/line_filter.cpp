// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/lines/line_filter.h"

#include "core/model_text.h"

namespace maprune {

bool LineMatchesFilter(std::string_view line, std::string_view filter)
{
    if (filter.empty())
        return true;
    return FoldedText(line).find(FoldedText(filter)) != std::u32string::npos;
}

} // namespace maprune
