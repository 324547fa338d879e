// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "config/settings_store.h"

namespace maprune {

// A settings store in memory, for tests and for tools that must not touch
// the user's settings. Keys and value names are compared exactly; value
// names are enumerated in alphabetical order. Every operation succeeds.
class MemorySettingsStore : public SettingsStore {
public:
    bool OpenKey(const std::string& key) override;
    std::optional<StoredValue> Read(
        const std::string& key, const std::string& name, StoredType expected) const override;
    bool Write(const std::string& key, const std::string& name, const StoredValue& value) override;
    bool Delete(const std::string& key, const std::string& name) override;
    std::vector<std::string> ValueNames(const std::string& key) const override;
    bool DeleteKey(const std::string& key) override;

    // Number of values under all keys together.
    std::size_t ValueCount() const;

private:
    std::map<std::string, std::map<std::string, StoredValue>> FKeys;
};

} // namespace maprune
