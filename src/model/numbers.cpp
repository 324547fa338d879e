// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/numbers.h"

#include <algorithm>
#include <limits>

namespace maprune {

namespace {

int32_t SaneBasis(int32_t basis)
{
    return basis >= 2 && basis <= 36 ? basis : kDefaultBasis;
}

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string FormatNr(int32_t n, int32_t basis)
{
    static constexpr char kDigits[] = "0123456789abcdefghiJkLmnopqrstuvwxyz";
    if (n < 1)
        return "0";
    const int32_t base = SaneBasis(basis);
    std::string text;
    for (int32_t rest = n; rest > 0; rest /= base)
        text += kDigits[rest % base];
    std::reverse(text.begin(), text.end());
    return text;
}

int32_t ParseNr(std::string_view text, int32_t basis)
{
    const int64_t base = SaneBasis(basis);
    int64_t value = 0;
    for (char c : text) {
        value = value * base + DigitValue(c);
        if (value > std::numeric_limits<int32_t>::max()
            || value < std::numeric_limits<int32_t>::min())
            return -1;
    }
    return static_cast<int32_t>(value);
}

} // namespace maprune
