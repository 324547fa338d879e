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
    : registry_(registry)
    , path_(path)
{
    RegistryPath split = SplitRegistryPath(path);
    key_ = std::move(split.key);
    valueName_ = std::move(split.valueName);
    registry_.Register(*this);
}

TRegistrySetting::~TRegistrySetting()
{
    registry_.Unregister(*this);
}

void TRegistrySetting::OpenKey() const
{
    if (!registry_.Store().OpenKey(key_))
        throw Error("Fehler beim Anlegen/Öffnen des Registry-Pfades \"" + key_ + "\"");
}

std::optional<StoredValue> TRegistrySetting::ReadStored(StoredType expected) const
{
    OpenKey();
    return registry_.Store().Read(key_, valueName_, expected);
}

void TRegistrySetting::Store()
{
    OpenKey();
    SettingsStore& store = registry_.Store();
    const bool done
        = IsDefault() ? store.Delete(key_, valueName_) : store.Write(key_, valueName_, Encode());
    if (!done)
        throw Error("Fehler beim Schreiben des Registry-Wertes \"" + path_ + "\"");
}

void TRegistrySetting::ReportProblem(const std::string& message) const
{
    registry_.ReportProblem(*this, message);
}

void TRegistrySetting::WriteBackAtEnd() noexcept
{
    if (!registry_.WriteBackOnDestruction())
        return;
    try {
        Store();
    } catch (const std::exception& e) {
        ReportProblem(e.what());
    }
}

} // namespace maprune
