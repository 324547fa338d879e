// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

#include "config/registry_setting.h"

namespace maprune {

// One typed setting. It loads its value when created and writes it back when
// destroyed, only where it differs from the default (see Store). Get and Set
// work in memory; SetAndStore also writes through at once, which is what
// dialogs use so that a change survives a crash of the program.
//
// Stored forms: Booleans as integers 0 or 1 (any value but 0 reads as
// true), integers as 32-bit integers, floats as the 8 little-endian bytes of an IEEE 754 double
// (ByteWriter::PutF64), strings as UTF-8 text. A stored value of another type, a float of another
// size or one that is not finite is reported to the registry as a problem
// and the default is used instead.
template <typename T> class TRegistryValue final : public TRegistrySetting {
public:
    // Inclusive limits of the values accepted by SetText.
    struct Limits {
        T minimum;
        T maximum;
    };

    // Registers the setting and loads its value. Throws Error for a path
    // without value name, a path registered already, or a key that cannot be
    // created or opened.
    TRegistryValue(SettingsRegistry& registry, const std::string& path, T defaultValue);
    TRegistryValue(SettingsRegistry& registry, const std::string& path, T defaultValue,
        Limits limits) requires(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>);

    // Writes back when the registry asks for it (failures go to the
    // registry's problem handler) and unregisters.
    ~TRegistryValue() override;

    const T& Get() const { return FValue; }
    void Set(T value) { FValue = std::move(value); }
    // Set, then Store: throws like Store, with the new value kept in memory.
    void SetAndStore(T value);

    const T& Default() const { return FDefault; }
    const std::optional<Limits>& Range() const { return FLimits; }

    SettingType Type() const override;
    bool IsDefault() const override { return FValue == FDefault; }
    std::string ValueText() const override;
    std::string DefaultText() const override;
    std::string RangeText() const override;
    void SetText(const std::string& text) override;
    void Reset() override { FValue = FDefault; }

protected:
    StoredValue Encode() const override;

private:
    void Load();

    T FDefault;
    T FValue;
    std::optional<Limits> FLimits;
};

using TRegistryBoolean = TRegistryValue<bool>;
using TRegistryInteger = TRegistryValue<std::int32_t>;
using TRegistryFloat = TRegistryValue<double>;
using TRegistryString = TRegistryValue<std::string>;

extern template class TRegistryValue<bool>;
extern template class TRegistryValue<std::int32_t>;
extern template class TRegistryValue<double>;
extern template class TRegistryValue<std::string>;

} // namespace maprune
