// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "config/settings_store.h"

namespace maprune {

class SettingsRegistry;

enum class SettingType { Boolean, Integer, Float, String };

// "Boolean", "Integer", "Float" or "String".
std::string SettingTypeName(SettingType type);

// What the four typed settings classes share: the full path, split into key
// and value name, and the registry the setting belongs to. Objects are
// neither copied nor moved, since the registry holds their addresses.
class TRegistrySetting {
public:
    TRegistrySetting(const TRegistrySetting&) = delete;
    TRegistrySetting& operator=(const TRegistrySetting&) = delete;
    // Removes the setting from its registry; writing back is the job of the
    // typed class, whose value is gone by the time this runs.
    virtual ~TRegistrySetting();

    const std::string& Path() const { return FPath; }
    const std::string& Key() const { return FKey; }
    const std::string& ValueName() const { return FValueName; }

    virtual SettingType Type() const = 0;
    virtual bool IsDefault() const = 0;

    // Value and default as text: "true"/"false", decimal numbers with a
    // point, strings unchanged.
    virtual std::string ValueText() const = 0;
    virtual std::string DefaultText() const = 0;
    // The allowed values, e.g. "0 bis 9"; empty when every value of the type is.
    virtual std::string RangeText() const = 0;

    // Parses `text` in the form of ValueText, checks it against the allowed
    // values and sets it in memory. Throws Error with a message for the user
    // when the text is not such a value; the value is then unchanged.
    virtual void SetText(const std::string& text) = 0;
    // Sets the default in memory.
    virtual void Reset() = 0;

    // Writes the value to the store when it differs from the default and
    // deletes the value name otherwise. Throws Error when the key cannot be
    // opened or the store refuses the change.
    void Store();

protected:
    // Splits `path` and adds the setting to `registry`. Throws Error for a
    // path without value name or a path that is registered already.
    TRegistrySetting(SettingsRegistry& registry, const std::string& path);

    // The stored value, or nullopt when the store holds none. Throws Error
    // when the key cannot be created or opened.
    std::optional<StoredValue> ReadStored(StoredType expected) const;

    // The current value in its stored form.
    virtual StoredValue Encode() const = 0;

    // Tells the registry that the stored value could not be used.
    void ReportProblem(const std::string& message) const;

    // Store() at the end of the setting's life when the registry asks for
    // it; a failure goes to the registry's problem handler, never out.
    void WriteBackAtEnd() noexcept;

private:
    void OpenKey() const;

    SettingsRegistry& FRegistry;
    std::string FPath;
    std::string FKey;
    std::string FValueName;
};

} // namespace maprune
