// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace maprune {

// The kinds of values a settings store holds. Other is anything that fits
// none of the three (a list in a hand-edited file, a 64-bit number).
enum class StoredType { Integer, String, Binary, Other };

// One stored value: `integer` for Integer; `data` holds the UTF-8 text of a
// String, the raw bytes of Binary, or a readable description of Other.
struct StoredValue {
    StoredType type = StoredType::Other;
    std::int32_t integer = 0;
    std::string data;

    static StoredValue Integer(std::int32_t value);
    static StoredValue String(std::string text);
    static StoredValue Binary(std::string bytes);
    static StoredValue Other(std::string description);

    friend bool operator==(const StoredValue&, const StoredValue&) = default;
};

// German name of a stored type, for messages ("Ganzzahl", "Zeichenkette" ...).
std::string StoredTypeName(StoredType type);

// Per-user store of typed values in the manner of the Windows registry: keys
// are backslash-separated paths such as "Software\Oskel\Maprune", value names
// are single names within a key. The desktop program and the command-line
// tool use the Qt store; tests use MemorySettingsStore.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Creates `key` when it is missing, or opens it; false when it can do neither.
    virtual bool OpenKey(const std::string& key) = 0;

    // The value `name` of `key`, or nullopt when there is none. A store that
    // keeps no types (a text file) returns a text that is a valid literal of
    // `expected` as a value of that type, and any other text as a String.
    virtual std::optional<StoredValue> Read(
        const std::string& key, const std::string& name, StoredType expected) const = 0;

    // Writes `value` under `name`; false when it could not be written.
    virtual bool Write(const std::string& key, const std::string& name, const StoredValue& value)
        = 0;

    // Deletes the value name; a missing name is no error. False on failure.
    virtual bool Delete(const std::string& key, const std::string& name) = 0;

    // The value names of `key` in the order the store enumerates them.
    virtual std::vector<std::string> ValueNames(const std::string& key) const = 0;

    // Deletes `key` with its values and sub-keys; a missing key is no error.
    // False when the key may not or cannot be deleted.
    virtual bool DeleteKey(const std::string& key) = 0;
};

} // namespace maprune
