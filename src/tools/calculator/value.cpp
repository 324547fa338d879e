// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calculator/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/error.h"

namespace maprune {

namespace {

constexpr long double kMinInt = std::numeric_limits<int32_t>::min();
constexpr long double kMaxInt = std::numeric_limits<int32_t>::max();

std::string RealText(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

long double StringNumber(const std::string& text)
{
    size_t begin = text.find_first_not_of(' ');
    size_t end = text.find_last_not_of(' ');
    if (begin != std::string::npos) {
        if (text[begin] == '+')
            ++begin;
        double value = 0;
        const char* last = text.data() + end + 1;
        const auto [ptr, ec] = std::from_chars(text.data() + begin, last, value);
        if (ec == std::errc() && ptr == last)
            return value;
    }
    throw Error("\"" + text + "\" ist keine Zahl");
}

} // namespace

TValue TValue::FromWide(long double value)
{
    if (value >= kMinInt && value <= kMaxInt && value == std::floor(value))
        return TValue(static_cast<int32_t>(value));
    return TValue(static_cast<double>(value));
}

std::string TValue::Text() const
{
    switch (FData.index()) {
    case 1:
        return std::to_string(Integer());
    case 2:
        return RealText(Real());
    case 3:
        return String();
    case 4:
        return ClassRefText(Object().Handle);
    default:
        return {};
    }
}

long double TValue::Number() const
{
    if (IsInteger())
        return Integer();
    if (IsReal())
        return Real();
    if (IsString())
        return StringNumber(String());
    if (IsObject())
        throw Error("Objekt " + Text() + " ist keine Zahl");
    throw Error("Wert ohne Inhalt ist keine Zahl");
}

int32_t TValue::ToInteger() const
{
    if (IsInteger())
        return Integer();
    const long double rounded = std::nearbyint(Number());
    if (!(rounded >= kMinInt && rounded <= kMaxInt))
        throw Error(Text() + " liegt außerhalb des Ganzzahlbereichs");
    return static_cast<int32_t>(rounded);
}

bool TValue::Truth() const
{
    if (IsInteger())
        return Integer() != 0;
    if (IsReal())
        return Real() != 0;
    if (IsString())
        return !String().empty();
    return IsObject();
}

std::string ClassRefText(uint32_t handle)
{
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", handle);
    return std::string(kClassRefPrefix) + digits;
}

bool ParseClassRef(std::string_view text, uint32_t& handle)
{
    if (text.size() != kClassRefPrefix.size() + 8 || text.substr(0, kClassRefPrefix.size()) != kClassRefPrefix)
        return false;
    const std::string_view digits = text.substr(kClassRefPrefix.size());
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), handle, 16);
    return ec == std::errc() && ptr == digits.data() + digits.size();
}

} // namespace maprune
