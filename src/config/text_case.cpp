// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/text_case.h"

#include <algorithm>

namespace maprune {

namespace {

unsigned char Fold(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

} // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return Fold(x) == Fold(y); });
}

bool LessIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::ranges::lexicographical_compare(
        a, b, [](char x, char y) { return Fold(x) < Fold(y); });
}

} // namespace maprune
