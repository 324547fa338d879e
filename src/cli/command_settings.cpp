// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <iomanip>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "cli/qt_verbs.h"
#include "cli/verb_registry.h"
#include "config/registry_setting.h"
#include "config/settings.h"
#include "config/ui/qsettings_store.h"
#include "config/unit_sort_criteria.h"
#include "core/error.h"
#include "core/model_text.h"

namespace maprune::cli {

namespace {

// The user's settings as the desktop program sees them. Nothing is written
// back at the end: only a setting that a verb changes is stored, at once,
// so a reading verb never touches the store.
class SettingsSession {
public:
    SettingsSession()
        : FSettings(FStore, [this](const TRegistrySetting& setting, const std::string& message) {
            FProblems[&setting] = message;
        })
    {
        FSettings.Registry().SetWriteBackOnDestruction(false);
    }

    TSettings& Settings() { return FSettings; }

    TRegistrySetting& Find(const std::string& name)
    {
        TRegistrySetting* setting = FSettings.Registry().Find(name);
        if (!setting)
            throw Error("Unbekannte Einstellung: \"" + name
                + "\" (\"maprune-cli settings list\" zeigt alle)");
        return *setting;
    }

    // Prints the problems of `setting`, or of all settings when it is null,
    // to standard error; true when there were any.
    bool ReportProblems(const TRegistrySetting* setting) const
    {
        bool any = false;
        for (const auto& [which, message] : FProblems) {
            if (!setting || which == setting) {
                std::cerr << message << '\n';
                any = true;
            }
        }
        return any;
    }

private:
    QSettingsStore FStore;
    std::map<const TRegistrySetting*, std::string> FProblems;
    TSettings FSettings; // last: its problem handler uses FProblems
};

// The text as the list shows it: strings in quotes so that empty ones show.
std::string Shown(const TRegistrySetting& setting, const std::string& text)
{
    return setting.Type() == SettingType::String ? '"' + text + '"' : text;
}

void List()
{
    SettingsSession session;
    const auto& settings = session.Settings().Registry().Settings();
    std::size_t width = 4;
    for (const TRegistrySetting* setting : settings)
        width = std::max(width, setting->ValueName().size());
    std::cout << std::left << std::setw(static_cast<int>(width) + 2) << "Name" << std::setw(9)
              << "Typ" << std::setw(29) << "Standard"
              << "Wert\n";
    for (const TRegistrySetting* setting : settings) {
        std::cout << std::setw(static_cast<int>(width) + 2) << setting->ValueName() << std::setw(9)
                  << SettingTypeName(setting->Type()) << std::setw(29)
                  << Shown(*setting, setting->DefaultText())
                  << Shown(*setting, setting->ValueText()) << '\n';
    }
    if (session.ReportProblems(nullptr))
        throw CLI::RuntimeError(1);
}

void Get(const std::string& name)
{
    SettingsSession session;
    const TRegistrySetting& setting = session.Find(name);
    if (session.ReportProblems(&setting))
        throw CLI::RuntimeError(1);
    std::cout << setting.ValueText() << '\n';
}

// The region window skips unknown criteria silently; here a typing error
// is better caught at once.
void CheckSortOptions(const std::string& options)
{
    const UnitSortCriteria criteria = ProgramUnitSortCriteria();
    std::size_t start = 0;
    while (!options.empty() && start <= options.size()) {
        const std::size_t end = std::min(options.find('|', start), options.size());
        const std::string name = options.substr(start, end - start);
        if (!criteria.Find(name))
            throw Error("Unbekanntes Sortierkriterium: \"" + name + "\"");
        start = end + 1;
    }
}

void Set(const std::string& name, const std::string& value)
{
    SettingsSession session;
    TRegistrySetting& setting = session.Find(name);
    if (&setting == &session.Settings().UnitListSortOptions)
        CheckSortOptions(value);
    // The store keeps text as Unicode: other bytes would become U+FFFD.
    if (!IsValidUtf8(value))
        throw Error("Der Wert ist kein gültiger UTF-8-Text; die Einstellung bleibt unverändert.");
    setting.SetText(value);
    setting.Store();
}

void Reset(const std::string& name)
{
    SettingsSession session;
    TRegistrySetting& setting = session.Find(name);
    setting.Reset();
    setting.Store();
}

void AddSettingsCommand(CLI::App& app)
{
    CLI::App* settings = app.add_subcommand("settings", QtVerbDescription("settings"));
    settings->require_subcommand(1);

    settings->add_subcommand("list", "alle Einstellungen mit Typ, Standard- und aktuellem Wert")
        ->callback(List);

    auto* get = settings->add_subcommand("get", "den Wert einer Einstellung ausgeben");
    auto getName = std::make_shared<std::string>();
    get->add_option("NAME", *getName, "Name der Einstellung, z. B. ScrollSpeed")->required();
    get->callback([getName] { Get(*getName); });

    auto* set = settings->add_subcommand("set", "eine Einstellung setzen");
    auto setName = std::make_shared<std::string>();
    auto setValue = std::make_shared<std::string>();
    set->add_option("NAME", *setName, "Name der Einstellung")->required();
    set->add_option(
           "VALUE", *setValue, "neuer Wert: true/false, ganze Zahl, Zahl mit Punkt oder Text")
        ->required();
    set->callback([setName, setValue] { Set(*setName, *setValue); });

    auto* reset
        = settings->add_subcommand("reset", "eine Einstellung auf ihren Standardwert setzen");
    auto resetName = std::make_shared<std::string>();
    reset->add_option("NAME", *resetName, "Name der Einstellung")->required();
    reset->callback([resetName] { Reset(*resetName); });
}

const VerbRegistration settingsVerb { "settings", &AddSettingsCommand };

} // namespace

} // namespace maprune::cli
