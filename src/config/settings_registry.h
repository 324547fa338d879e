// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace maprune {

class SettingsStore;
class TRegistrySetting;

// Told about a problem that does not stop the program: a stored value that
// could not be used (the setting keeps its default), or a value that could
// not be written back when its setting ended. It is called from destructors
// and must not throw.
using SettingsProblemHandler
    = std::function<void(const TRegistrySetting& setting, const std::string& message)>;

// The program-wide list of settings objects over one store, in creation
// order. Settings add themselves when created and remove themselves when
// destroyed, so the registry must outlive every setting created on it. Each
// full path exists once.
class SettingsRegistry {
public:
    explicit SettingsRegistry(SettingsStore& store, SettingsProblemHandler onProblem = {});
    SettingsRegistry(const SettingsRegistry&) = delete;
    SettingsRegistry& operator=(const SettingsRegistry&) = delete;

    SettingsStore& Store() const { return FStore; }

    // The registered settings, oldest first.
    const std::vector<TRegistrySetting*>& Settings() const { return FSettings; }

    // The first setting whose value name or full path equals `name`, ignoring
    // the case of ASCII letters as the registry does; nullptr when none.
    TRegistrySetting* Find(std::string_view name) const;

    // Whether a setting writes its value back when it is destroyed; true
    // unless turned off. A tool that only reads, or writes single values
    // through at once, turns it off so that nothing else reaches the store.
    bool WriteBackOnDestruction() const { return FWriteBack; }
    void SetWriteBackOnDestruction(bool on) { FWriteBack = on; }

    // Every problem reported so far, oldest first.
    const std::vector<std::string>& Problems() const { return FProblems; }

    // Records `message` and passes it to the handler given at construction.
    void ReportProblem(const TRegistrySetting& setting, const std::string& message);

    // Adds `setting` at the end; throws Error when its path is registered already.
    void Register(TRegistrySetting& setting);
    // Removes `setting`; nothing happens when it is not registered.
    void Unregister(const TRegistrySetting& setting);

private:
    SettingsStore& FStore;
    SettingsProblemHandler FOnProblem;
    std::vector<TRegistrySetting*> FSettings;
    std::vector<std::string> FProblems;
    bool FWriteBack = true;
};

} // namespace maprune
