// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <utility>

#include "model/past_states.h"

namespace maprune {

namespace {

std::string PathOf(const char* valueName)
{
    return std::string(kSettingsKey) + '\\' + valueName;
}

} // namespace

// The limits are those the dialogs offer and the users of the values expect;
// they bound what the command-line tool accepts and what is loaded.
TSettings::TSettings(SettingsStore& store, SettingsProblemHandler onProblem)
    : FRegistry(store, std::move(onProblem))
    , FastKDF(FRegistry, PathOf("FastKDF"), true)
    , NoUnitWindow(FRegistry, PathOf("NoUnitWindow"), true)
    , NoCenterAdaptation(FRegistry, PathOf("NoCenterAdaptation"), true)
    , NoAutoSave(FRegistry, PathOf("NoAutoSave"), false)
    , ScrollSpeed(FRegistry, PathOf("ScrollSpeed"), 1.0, { -10.0, 10.0 })
    , OpenDir(FRegistry, PathOf("OpenDir"), "")
    , SaveDir(FRegistry, PathOf("SaveDir"), "")
    , ExportDir(FRegistry, PathOf("ExportDir"), "")
    , ReportDir(FRegistry, PathOf("ReportDir"), "")
    , RightSelect(FRegistry, PathOf("RightSelect"), true)
    , KelvaranLayout(FRegistry, PathOf("KelvaranLayout"), true)
    , OverviewZoom(FRegistry, PathOf("OverviewZoom"), 1, { 1, 32 })
    , TreeWindowSettings(FRegistry, PathOf("TreeWindowSettings"), 85, { 0, 255 })
    , VORLAGE_Use(FRegistry, PathOf("VORLAGE_Use"), false)
    , VORLAGE_Parameters(FRegistry, PathOf("VORLAGE_Parameters"), "")
    , VORLAGE_Path(FRegistry, PathOf("VORLAGE_Path"), "")
    , KCHECK_Use(FRegistry, PathOf("KCHECK_Use"), false)
    , KCHECK_Parameters(FRegistry, PathOf("KCHECK_Parameters"), "")
    , KCHECK_Path(FRegistry, PathOf("KCHECK_Path"), "")
    , KCHECK_WARNINGLEVEL(FRegistry, PathOf("KCHECK_WARNINGLEVEL"), 4, { 0, 9 })
    , KCHECK_Timeout(FRegistry, PathOf("KCHECK_Timeout"), 60, { 1, 3600 })
    , Mail_Server(FRegistry, PathOf("Mail_Server"), "")
    , Mail_Username(FRegistry, PathOf("Mail_Username"), "")
    , Mail_Commands(FRegistry, PathOf("Mail_Commands"), false)
    , Mail_Commands_Address(FRegistry, PathOf("Mail_Commands_Address"), kDefaultCommandsAddress)
    , Mail_Commands_Subject(FRegistry, PathOf("Mail_Commands_Subject"), "kelvaran befehle")
    , Mail_Unit(FRegistry, PathOf("Mail_Unit"), false)
    , Mail_Unit_Address(FRegistry, PathOf("Mail_Unit_Address"), kDefaultUnitAddress)
    , Mail_Unit_Extern(FRegistry, PathOf("Mail_Unit_Extern"), false)
    , Mail_Party(FRegistry, PathOf("Mail_Party"), false)
    , Mail_Party_Extern(FRegistry, PathOf("Mail_Party_Extern"), false)
    , Mail_Port(FRegistry, PathOf("Mail_Port"), 25, { 1, 65535 })
    , Mail_Security(FRegistry, PathOf("Mail_Security"), 0, { 0, 2 })
    , Mail_Login(FRegistry, PathOf("Mail_Login"), "")
    , Mail_Timeout(FRegistry, PathOf("Mail_Timeout"), 30, { 1, 600 })
    , UnitListSortOptions(FRegistry, PathOf("UnitListSortOptions"), "")
    , SwapMouseButtons(FRegistry, PathOf("SwapMouseButtons"), false)
    , ACA_NoNameChecking(FRegistry, PathOf("ACA_NoNameChecking"), false)
    , ACA_NameMatch(FRegistry, PathOf("ACA_NameMatch"), 5, { 1, 1000 })
    , ACA_NameMisMatch(FRegistry, PathOf("ACA_NameMisMatch"), 5, { 1, 1000 })
    , ACA_NoTerrainChecking(FRegistry, PathOf("ACA_NoTerrainChecking"), false)
    , ACA_TerrainMisMatch(FRegistry, PathOf("ACA_TerrainMisMatch"), 5, { 1, 1000 })
    , ACA_R_MPA(FRegistry, PathOf("ACA_R_MPA"), 0, { 0, 1 })
    , ACA_R_NPA(FRegistry, PathOf("ACA_R_NPA"), 2, { 0, 2 })
    , FOW_Mode(FRegistry, PathOf("FOW_Mode"), 0, { 0, 1 })
    , UnitListDetails(FRegistry, PathOf("UnitListDetails"), 15, { 0, 15 })
    , TextStyle(FRegistry, PathOf("TextStyle"), 0, { 0, 5 })
    , ChangesPeasantsPercent(FRegistry, PathOf("ChangesPeasantsPercent"), 10, { 0, 1000 })
    , ChangesPeasantsMinimum(FRegistry, PathOf("ChangesPeasantsMinimum"), 50, { 1, 1000000 })
    , ChangesSilverPercent(FRegistry, PathOf("ChangesSilverPercent"), 20, { 0, 1000 })
    , ChangesSilverMinimum(FRegistry, PathOf("ChangesSilverMinimum"), 200, { 1, 1000000 })
    , ChangesHorsesPercent(FRegistry, PathOf("ChangesHorsesPercent"), 20, { 0, 1000 })
    , ChangesHorsesMinimum(FRegistry, PathOf("ChangesHorsesMinimum"), 5, { 1, 1000000 })
    , ChangesTreesPercent(FRegistry, PathOf("ChangesTreesPercent"), 10, { 0, 1000 })
    , ChangesTreesMinimum(FRegistry, PathOf("ChangesTreesMinimum"), 5, { 1, 1000000 })
    , ChangesWagesPercent(FRegistry, PathOf("ChangesWagesPercent"), 0, { 0, 1000 })
    , ChangesWagesMinimum(FRegistry, PathOf("ChangesWagesMinimum"), 1, { 1, 1000000 })
    , ChangesPricesPercent(FRegistry, PathOf("ChangesPricesPercent"), 20, { 0, 1000 })
    , ChangesPricesMinimum(FRegistry, PathOf("ChangesPricesMinimum"), 1, { 1, 1000000 })
    , ChangesUnitSilverPercent(FRegistry, PathOf("ChangesUnitSilverPercent"), 25, { 0, 1000 })
    , ChangesUnitSilverMinimum(FRegistry, PathOf("ChangesUnitSilverMinimum"), 100, { 1, 1000000 })
    , ChangesPastTurns(FRegistry, PathOf("ChangesPastTurns"), kPastTurnsKept, { 1, 1000 })
{
}

} // namespace maprune
