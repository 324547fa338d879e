// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/registry_value.h"
#include "config/settings_registry.h"

namespace maprune {

// The key under which the program keeps its settings.
inline constexpr const char* kSettingsKey = "Software\\Oskel\\Maprune";

// Order address of the game server and the address template for mail to a
// unit whose party is unknown ("[x36]" stands for the unit's number).
inline constexpr const char* kDefaultCommandsAddress = "befehle@kelvaran.de";
inline constexpr const char* kDefaultUnitAddress = "einheit-[x36]@kelvaran.de";

// Every setting of the program, created in this order over one store, each
// loaded when created. Destroying the object destroys the settings, the last
// created first, and each writes its value back as its registry says.
// Construction throws Error only for a key that cannot be opened; stored
// values that cannot be used go to `onProblem` and leave the default.
class TSettings {
public:
    explicit TSettings(SettingsStore& store, SettingsProblemHandler onProblem = {});
    TSettings(const TSettings&) = delete;
    TSettings& operator=(const TSettings&) = delete;

    SettingsRegistry& Registry() { return FRegistry; }
    const SettingsRegistry& Registry() const { return FRegistry; }

private:
    SettingsRegistry FRegistry; // first, so that it outlives the settings below

public:
    TRegistryBoolean FastKDF;
    TRegistryBoolean NoUnitWindow;
    TRegistryBoolean NoCenterAdaptation;
    TRegistryBoolean NoAutoSave;
    TRegistryFloat ScrollSpeed;
    TRegistryString OpenDir;
    TRegistryString SaveDir;
    TRegistryString ExportDir;
    TRegistryString ReportDir;
    TRegistryBoolean RightSelect;
    TRegistryBoolean KelvaranLayout;
    TRegistryInteger OverviewZoom;
    TRegistryInteger TreeWindowSettings;
    TRegistryBoolean VORLAGE_Use;
    TRegistryString VORLAGE_Parameters;
    TRegistryString VORLAGE_Path;
    TRegistryBoolean KCHECK_Use;
    TRegistryString KCHECK_Parameters;
    TRegistryString KCHECK_Path;
    TRegistryInteger KCHECK_WARNINGLEVEL;
    TRegistryInteger KCHECK_Timeout; // seconds before a checker still running is stopped
    TRegistryString Mail_Server;
    TRegistryString Mail_Username;
    TRegistryBoolean Mail_Commands;
    TRegistryString Mail_Commands_Address;
    TRegistryString Mail_Commands_Subject;
    TRegistryBoolean Mail_Unit;
    TRegistryString Mail_Unit_Address;
    TRegistryBoolean Mail_Unit_Extern;
    TRegistryBoolean Mail_Party;
    TRegistryBoolean Mail_Party_Extern;
    TRegistryInteger Mail_Port;
    TRegistryInteger Mail_Security; // MailSecurity: 0 none, 1 STARTTLS, 2 TLS
    TRegistryString Mail_Login; // user name of AUTH; empty: no login
    TRegistryInteger Mail_Timeout; // seconds for a connect or a reply
    TRegistryString UnitListSortOptions;
    TRegistryBoolean SwapMouseButtons;
    TRegistryBoolean ACA_NoNameChecking;
    TRegistryInteger ACA_NameMatch;
    TRegistryInteger ACA_NameMisMatch;
    TRegistryBoolean ACA_NoTerrainChecking;
    TRegistryInteger ACA_TerrainMisMatch;
    TRegistryInteger ACA_R_MPA;
    TRegistryInteger ACA_R_NPA;
    TRegistryInteger FOW_Mode;
    TRegistryInteger UnitListDetails; // UnitDisplayOption bits (model/named_item.h)
    TRegistryInteger TextStyle;
    // The thresholds of the changes window: percent of the older value and
    // least difference of the region values and of an own unit's silver.
    TRegistryInteger ChangesPeasantsPercent;
    TRegistryInteger ChangesPeasantsMinimum;
    TRegistryInteger ChangesSilverPercent;
    TRegistryInteger ChangesSilverMinimum;
    TRegistryInteger ChangesHorsesPercent;
    TRegistryInteger ChangesHorsesMinimum;
    TRegistryInteger ChangesTreesPercent;
    TRegistryInteger ChangesTreesMinimum;
    TRegistryInteger ChangesWagesPercent;
    TRegistryInteger ChangesWagesMinimum;
    TRegistryInteger ChangesPricesPercent;
    TRegistryInteger ChangesPricesMinimum;
    TRegistryInteger ChangesUnitSilverPercent;
    TRegistryInteger ChangesUnitSilverMinimum;
    // The turns whose earlier states a merge keeps (model/past_states.h).
    TRegistryInteger ChangesPastTurns;
};

} // namespace maprune
