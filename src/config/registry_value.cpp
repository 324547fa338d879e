// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/registry_value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "config/text_case.h"
#include "core/byte_coding.h"
#include "core/error.h"

namespace maprune {

namespace {

// Why a stored value cannot be used; empty when it can.
using Problem = std::string;

std::string WrongType(const std::string& path, const StoredValue& found, StoredType wanted)
{
    const std::string foundName = found.type == StoredType::Other && !found.data.empty()
        ? found.data
        : StoredTypeName(found.type);
    return "Registry-Wert \"" + path + "\" hat den falschen Typ (" + foundName + " statt "
        + StoredTypeName(wanted) + "); es gilt der Standardwert.";
}

template <typename Number> std::string NumberText(Number value)
{
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

// The whole of `text` as a number; nullopt for anything else.
template <typename Number> std::optional<Number> ParseNumber(const std::string& text)
{
    Number value {};
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

template <typename T> struct Codec;

template <> struct Codec<bool> {
    static constexpr SettingType kType = SettingType::Boolean;
    static constexpr StoredType kStored = StoredType::Integer;
    static constexpr const char* kExpected = "true oder false";

    static StoredValue Encode(bool value) { return StoredValue::Integer(value ? 1 : 0); }
    static std::optional<bool> Decode(const StoredValue& stored, const std::string&, Problem&)
    {
        return stored.integer != 0;
    }
    static std::string Text(bool value) { return value ? "true" : "false"; }
    static std::optional<bool> Parse(const std::string& text)
    {
        if (text == "1" || EqualsIgnoringAsciiCase(text, "true"))
            return true;
        if (text == "0" || EqualsIgnoringAsciiCase(text, "false"))
            return false;
        return std::nullopt;
    }
};

template <> struct Codec<std::int32_t> {
    static constexpr SettingType kType = SettingType::Integer;
    static constexpr StoredType kStored = StoredType::Integer;
    static constexpr const char* kExpected = "eine ganze Zahl";

    static StoredValue Encode(std::int32_t value) { return StoredValue::Integer(value); }
    static std::optional<std::int32_t> Decode(
        const StoredValue& stored, const std::string&, Problem&)
    {
        return stored.integer;
    }
    static std::string Text(std::int32_t value) { return NumberText(value); }
    static std::optional<std::int32_t> Parse(const std::string& text)
    {
        return ParseNumber<std::int32_t>(text);
    }
};

template <> struct Codec<double> {
    static constexpr SettingType kType = SettingType::Float;
    static constexpr StoredType kStored = StoredType::Binary;
    static constexpr const char* kExpected = "eine Zahl wie -0.5";

    static StoredValue Encode(double value)
    {
        ByteWriter bytes;
        bytes.PutF64(value);
        return StoredValue::Binary(bytes.Take());
    }
    static std::optional<double> Decode(
        const StoredValue& stored, const std::string& path, Problem& problem)
    {
        if (stored.data.size() != 8) {
            problem = "Registry-Wert \"" + path + "\" hat " + NumberText(stored.data.size())
                + " statt 8 Bytes; es gilt der Standardwert.";
            return std::nullopt;
        }
        const double value = ByteReader(stored.data).ReadF64();
        if (!std::isfinite(value)) {
            // Callers scale and round the value; infinity or NaN would break them.
            problem = "Registry-Wert \"" + path
                + "\" ist keine endliche Zahl; es gilt der Standardwert.";
            return std::nullopt;
        }
        return value;
    }
    static std::string Text(double value) { return NumberText(value); }
    static std::optional<double> Parse(const std::string& text)
    {
        const std::optional<double> value = ParseNumber<double>(text);
        if (!value || !std::isfinite(*value))
            return std::nullopt;
        return value;
    }
};

template <> struct Codec<std::string> {
    static constexpr SettingType kType = SettingType::String;
    static constexpr StoredType kStored = StoredType::String;
    static constexpr const char* kExpected = "ein Text";

    static StoredValue Encode(const std::string& value) { return StoredValue::String(value); }
    static std::optional<std::string> Decode(
        const StoredValue& stored, const std::string&, Problem&)
    {
        return stored.data;
    }
    static std::string Text(const std::string& value) { return value; }
    static std::optional<std::string> Parse(const std::string& text) { return text; }
};

} // namespace

template <typename T>
TRegistryValue<T>::TRegistryValue(
    SettingsRegistry& registry, const std::string& path, T defaultValue)
    : TRegistrySetting(registry, path)
    , FDefault(defaultValue)
    , FValue(defaultValue)
{
    Load();
}

template <typename T>
TRegistryValue<T>::TRegistryValue(SettingsRegistry& registry, const std::string& path,
    T defaultValue, Limits limits) requires(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>)
    : TRegistrySetting(registry, path)
    , FDefault(defaultValue)
    , FValue(defaultValue)
    , FLimits(limits)
{
    Load();
}

template <typename T> TRegistryValue<T>::~TRegistryValue()
{
    WriteBackAtEnd();
}

template <typename T> void TRegistryValue<T>::Load()
{
    const std::optional<StoredValue> stored = ReadStored(Codec<T>::kStored);
    if (!stored)
        return;
    if (stored->type != Codec<T>::kStored) {
        ReportProblem(WrongType(Path(), *stored, Codec<T>::kStored));
        return;
    }
    Problem problem;
    std::optional<T> value = Codec<T>::Decode(*stored, Path(), problem);
    if (!value) {
        ReportProblem(problem);
        return;
    }
    if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>) {
        // Users of a value rely on its range (a time-out of seconds becomes
        // milliseconds), whatever another program or an old version stored.
        if (FLimits && (*value < FLimits->minimum || *value > FLimits->maximum)) {
            ReportProblem("Registry-Wert \"" + Path() + "\" (" + Codec<T>::Text(*value)
                + ") liegt außerhalb des Bereichs " + RangeText() + "; es gilt der Standardwert.");
            return;
        }
    }
    FValue = std::move(*value);
}

template <typename T> void TRegistryValue<T>::SetAndStore(T value)
{
    Set(std::move(value));
    Store();
}

template <typename T> SettingType TRegistryValue<T>::Type() const
{
    return Codec<T>::kType;
}

template <typename T> std::string TRegistryValue<T>::ValueText() const
{
    return Codec<T>::Text(FValue);
}

template <typename T> std::string TRegistryValue<T>::DefaultText() const
{
    return Codec<T>::Text(FDefault);
}

template <typename T> std::string TRegistryValue<T>::RangeText() const
{
    if (!FLimits)
        return {};
    return Codec<T>::Text(FLimits->minimum) + " bis " + Codec<T>::Text(FLimits->maximum);
}

template <typename T> void TRegistryValue<T>::SetText(const std::string& text)
{
    std::optional<T> value = Codec<T>::Parse(text);
    if (!value) {
        throw Error("Ungültiger Wert für " + ValueName() + ": \"" + text
            + "\" (erwartet: " + Codec<T>::kExpected + ")");
    }
    if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>) {
        if (FLimits && (*value < FLimits->minimum || *value > FLimits->maximum))
            throw Error(
                "Wert für " + ValueName() + " außerhalb des Bereichs " + RangeText() + ": " + text);
    }
    FValue = std::move(*value);
}

template <typename T> StoredValue TRegistryValue<T>::Encode() const
{
    return Codec<T>::Encode(FValue);
}

template class TRegistryValue<bool>;
template class TRegistryValue<std::int32_t>;
template class TRegistryValue<double>;
template class TRegistryValue<std::string>;

} // namespace maprune
