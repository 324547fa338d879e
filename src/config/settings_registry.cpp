// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings_registry.h"

#include <algorithm>
#include <utility>

#include "config/registry_setting.h"
#include "config/text_case.h"
#include "core/error.h"

namespace maprune {

SettingsRegistry::SettingsRegistry(SettingsStore& store, SettingsProblemHandler onProblem)
    : FStore(store)
    , FOnProblem(std::move(onProblem))
{
}

TRegistrySetting* SettingsRegistry::Find(std::string_view name) const
{
    for (TRegistrySetting* setting : FSettings) {
        if (EqualsIgnoringAsciiCase(setting->ValueName(), name)
            || EqualsIgnoringAsciiCase(setting->Path(), name))
            return setting;
    }
    return nullptr;
}

void SettingsRegistry::ReportProblem(const TRegistrySetting& setting, const std::string& message)
{
    FProblems.push_back(message);
    if (FOnProblem)
        FOnProblem(setting, message);
}

void SettingsRegistry::Register(TRegistrySetting& setting)
{
    for (const TRegistrySetting* other : FSettings) {
        if (EqualsIgnoringAsciiCase(other->Path(), setting.Path()))
            throw Error(
                "SettingsRegistry.Register: duplicate settings path \"" + setting.Path() + "\"");
    }
    FSettings.push_back(&setting);
}

void SettingsRegistry::Unregister(const TRegistrySetting& setting)
{
    std::erase(FSettings, &setting);
}

} // namespace maprune
