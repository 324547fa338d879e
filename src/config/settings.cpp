// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <utility>

namespace maprune {

namespace {

std::string PathOf(const char* valueName)
{
    return std::string(kSettingsKey) + '\\' + valueName;
}

} // namespace

// The limits are those the dialogs offer and the users of the values expect;
// they bound what the command-line tool accepts, not what is loaded.
TSettings::TSettings(SettingsStore& store, SettingsProblemHandler onProblem)
    : registry_(store, std::move(onProblem))
    , FastKDF(registry_, PathOf("FastKDF"), true)
    , NoUnitWindow(registry_, PathOf("NoUnitWindow"), true)
    , NoCenterAdaptation(registry_, PathOf("NoCenterAdaptation"), true)
    , NoAutoSave(registry_, PathOf("NoAutoSave"), false)
    , ScrollSpeed(registry_, PathOf("ScrollSpeed"), 1.0, { -10.0, 10.0 })
    , OpenDir(registry_, PathOf("OpenDir"), "")
    , SaveDir(registry_, PathOf("SaveDir"), "")
    , ExportDir(registry_, PathOf("ExportDir"), "")
    , RightSelect(registry_, PathOf("RightSelect"), true)
    , KelvaranLayout(registry_, PathOf("KelvaranLayout"), true)
    , OverviewZoom(registry_, PathOf("OverviewZoom"), 1, { 1, 32 })
    , TreeWindowSettings(registry_, PathOf("TreeWindowSettings"), 85, { 0, 255 })
    , VORLAGE_Use(registry_, PathOf("VORLAGE_Use"), false)
    , VORLAGE_Parameters(registry_, PathOf("VORLAGE_Parameters"), "")
    , VORLAGE_Path(registry_, PathOf("VORLAGE_Path"), "")
    , KCHECK_Use(registry_, PathOf("KCHECK_Use"), false)
    , KCHECK_Parameters(registry_, PathOf("KCHECK_Parameters"), "")
    , KCHECK_Path(registry_, PathOf("KCHECK_Path"), "")
    , KCHECK_WARNINGLEVEL(registry_, PathOf("KCHECK_WARNINGLEVEL"), 4, { 0, 9 })
    , Mail_Server(registry_, PathOf("Mail_Server"), "")
    , Mail_Username(registry_, PathOf("Mail_Username"), "")
    , Mail_Commands(registry_, PathOf("Mail_Commands"), false)
    , Mail_Commands_Address(registry_, PathOf("Mail_Commands_Address"), kDefaultCommandsAddress)
    , Mail_Commands_Subject(registry_, PathOf("Mail_Commands_Subject"), "kelvaran befehle")
    , Mail_Unit(registry_, PathOf("Mail_Unit"), false)
    , Mail_Unit_Address(registry_, PathOf("Mail_Unit_Address"), kDefaultUnitAddress)
    , Mail_Unit_Extern(registry_, PathOf("Mail_Unit_Extern"), false)
    , Mail_Party(registry_, PathOf("Mail_Party"), false)
    , Mail_Party_Extern(registry_, PathOf("Mail_Party_Extern"), false)
    , UnitListSortOptions(registry_, PathOf("UnitListSortOptions"), "")
    , SwapMouseButtons(registry_, PathOf("SwapMouseButtons"), false)
    , ACA_NoNameChecking(registry_, PathOf("ACA_NoNameChecking"), false)
    , ACA_NameMatch(registry_, PathOf("ACA_NameMatch"), 5, { 1, 1000 })
    , ACA_NameMisMatch(registry_, PathOf("ACA_NameMisMatch"), 5, { 1, 1000 })
    , ACA_NoTerrainChecking(registry_, PathOf("ACA_NoTerrainChecking"), false)
    , ACA_TerrainMisMatch(registry_, PathOf("ACA_TerrainMisMatch"), 5, { 1, 1000 })
    , ACA_R_MPA(registry_, PathOf("ACA_R_MPA"), 0, { 0, 1 })
    , ACA_R_NPA(registry_, PathOf("ACA_R_NPA"), 2, { 0, 2 })
    , FOW_Mode(registry_, PathOf("FOW_Mode"), 0, { 0, 1 })
    , UnitListDetails(registry_, PathOf("UnitListDetails"), 15, { 0, 15 })
    , TextStyle(registry_, PathOf("TextStyle"), 0, { 0, 5 })
{
}

} // namespace maprune
