// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/memory_settings_store.h"

namespace maprune {

bool MemorySettingsStore::OpenKey(const std::string& key)
{
    FKeys[key];
    return true;
}

std::optional<StoredValue> MemorySettingsStore::Read(
    const std::string& key, const std::string& name, StoredType) const
{
    auto k = FKeys.find(key);
    if (k == FKeys.end())
        return std::nullopt;
    auto v = k->second.find(name);
    if (v == k->second.end())
        return std::nullopt;
    return v->second;
}

bool MemorySettingsStore::Write(
    const std::string& key, const std::string& name, const StoredValue& value)
{
    FKeys[key][name] = value;
    return true;
}

bool MemorySettingsStore::Delete(const std::string& key, const std::string& name)
{
    auto k = FKeys.find(key);
    if (k != FKeys.end())
        k->second.erase(name);
    return true;
}

std::vector<std::string> MemorySettingsStore::ValueNames(const std::string& key) const
{
    std::vector<std::string> names;
    auto k = FKeys.find(key);
    if (k != FKeys.end()) {
        for (const auto& [name, value] : k->second)
            names.push_back(name);
    }
    return names;
}

bool MemorySettingsStore::DeleteKey(const std::string& key)
{
    const std::string prefix = key + '\\';
    for (auto k = FKeys.begin(); k != FKeys.end();) {
        if (k->first == key || k->first.starts_with(prefix))
            k = FKeys.erase(k);
        else
            ++k;
    }
    return true;
}

std::size_t MemorySettingsStore::ValueCount() const
{
    std::size_t count = 0;
    for (const auto& [key, values] : FKeys)
        count += values.size();
    return count;
}

} // namespace maprune
