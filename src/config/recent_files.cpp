// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/recent_files.h"

#include "config/settings_store.h"
#include "core/error.h"

namespace maprune {

namespace {

Error KeyError()
{
    return Error(
        std::string("Fehler beim Anlegen/Öffnen des Registry-Pfades \"") + kRecentFilesKey + "\"");
}

} // namespace

std::vector<std::string> LoadRecentFiles(SettingsStore& store)
{
    if (!store.OpenKey(kRecentFilesKey))
        throw KeyError();
    std::vector<std::string> files;
    for (const std::string& name : store.ValueNames(kRecentFilesKey)) {
        const auto value = store.Read(kRecentFilesKey, name, StoredType::String);
        if (value && value->type == StoredType::String && !value->data.empty())
            files.push_back(value->data);
    }
    return files;
}

void SaveRecentFiles(SettingsStore& store, const std::vector<std::string>& files)
{
    if (!store.DeleteKey(kRecentFilesKey) || !store.OpenKey(kRecentFilesKey))
        throw KeyError();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string name = std::to_string(i + 1);
        if (!store.Write(kRecentFilesKey, name, StoredValue::String(files[i])))
            throw Error(std::string("Fehler beim Schreiben des Registry-Wertes \"")
                + kRecentFilesKey + '\\' + name + "\"");
    }
}

} // namespace maprune
