// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/registry_setting.h"

#include "config/registry_path.h"
#include "config/settings_registry.h"
#include "core/error.h"

namespace maprune {

std::string SettingTypeName(SettingType type)
{
    switch (type) {
    case SettingType::Boolean:
        return "Boolean";
    case SettingType::Integer:
        return "Integer";
    case SettingType::Float:
        return "Float";
    case SettingType::String:
        break;
    }
    return "String";
}

TRegistrySetting::TRegistrySetting(SettingsRegistry& registry, const std::string& path)
    : FRegistry(registry)
    , FPath(path)
{
    RegistryPath split = SplitRegistryPath(path);
    FKey = std::move(split.key);
    FValueName = std::move(split.valueName);
    FRegistry.Register(*this);
}

TRegistrySetting::~TRegistrySetting()
{
    FRegistry.Unregister(*this);
}

void TRegistrySetting::OpenKey() const
{
    if (!FRegistry.Store().OpenKey(FKey))
        throw Error("Fehler beim Anlegen/Öffnen des Registry-Pfades \"" + FKey + "\"");
}

std::optional<StoredValue> TRegistrySetting::ReadStored(StoredType expected) const
{
    OpenKey();
    return FRegistry.Store().Read(FKey, FValueName, expected);
}

void TRegistrySetting::Store()
{
    OpenKey();
    SettingsStore& store = FRegistry.Store();
    const bool done
        = IsDefault() ? store.Delete(FKey, FValueName) : store.Write(FKey, FValueName, Encode());
    if (!done)
        throw Error("Fehler beim Schreiben des Registry-Wertes \"" + FPath + "\"");
}

void TRegistrySetting::ReportProblem(const std::string& message) const
{
    FRegistry.ReportProblem(*this, message);
}

void TRegistrySetting::WriteBackAtEnd() noexcept
{
    if (!FRegistry.WriteBackOnDestruction())
        return;
    try {
        Store();
    } catch (const std::exception& e) {
        ReportProblem(e.what());
    }
}

} // namespace maprune
