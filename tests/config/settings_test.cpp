// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "config/settings_access.h"
#include "core/error.h"

using namespace maprune;

namespace {

struct Expected {
    const char* name;
    SettingType type;
    const char* defaultText;
};

// The settings of the program in the order they are created.
const std::vector<Expected> kTable = {
    { "FastKDF", SettingType::Boolean, "true" },
    { "NoUnitWindow", SettingType::Boolean, "true" },
    { "NoCenterAdaptation", SettingType::Boolean, "true" },
    { "NoAutoSave", SettingType::Boolean, "false" },
    { "ScrollSpeed", SettingType::Float, "1" },
    { "OpenDir", SettingType::String, "" },
    { "SaveDir", SettingType::String, "" },
    { "ExportDir", SettingType::String, "" },
    { "ReportDir", SettingType::String, "" },
    { "RightSelect", SettingType::Boolean, "true" },
    { "KelvaranLayout", SettingType::Boolean, "true" },
    { "OverviewZoom", SettingType::Integer, "1" },
    { "TreeWindowSettings", SettingType::Integer, "85" },
    { "VORLAGE_Use", SettingType::Boolean, "false" },
    { "VORLAGE_Parameters", SettingType::String, "" },
    { "VORLAGE_Path", SettingType::String, "" },
    { "KCHECK_Use", SettingType::Boolean, "false" },
    { "KCHECK_Parameters", SettingType::String, "" },
    { "KCHECK_Path", SettingType::String, "" },
    { "KCHECK_WARNINGLEVEL", SettingType::Integer, "4" },
    { "KCHECK_Timeout", SettingType::Integer, "60" },
    { "Mail_Server", SettingType::String, "" },
    { "Mail_Username", SettingType::String, "" },
    { "Mail_Commands", SettingType::Boolean, "false" },
    { "Mail_Commands_Address", SettingType::String, "befehle@kelvaran.de" },
    { "Mail_Commands_Subject", SettingType::String, "kelvaran befehle" },
    { "Mail_Unit", SettingType::Boolean, "false" },
    { "Mail_Unit_Address", SettingType::String, "einheit-[x36]@kelvaran.de" },
    { "Mail_Unit_Extern", SettingType::Boolean, "false" },
    { "Mail_Party", SettingType::Boolean, "false" },
    { "Mail_Party_Extern", SettingType::Boolean, "false" },
    { "Mail_Port", SettingType::Integer, "25" },
    { "Mail_Security", SettingType::Integer, "0" },
    { "Mail_Login", SettingType::String, "" },
    { "Mail_Timeout", SettingType::Integer, "30" },
    { "UnitListSortOptions", SettingType::String, "" },
    { "SwapMouseButtons", SettingType::Boolean, "false" },
    { "ACA_NoNameChecking", SettingType::Boolean, "false" },
    { "ACA_NameMatch", SettingType::Integer, "5" },
    { "ACA_NameMisMatch", SettingType::Integer, "5" },
    { "ACA_NoTerrainChecking", SettingType::Boolean, "false" },
    { "ACA_TerrainMisMatch", SettingType::Integer, "5" },
    { "ACA_R_MPA", SettingType::Integer, "0" },
    { "ACA_R_NPA", SettingType::Integer, "2" },
    { "FOW_Mode", SettingType::Integer, "0" },
    { "UnitListDetails", SettingType::Integer, "15" },
    { "TextStyle", SettingType::Integer, "0" },
    { "ChangesPeasantsPercent", SettingType::Integer, "10" },
    { "ChangesPeasantsMinimum", SettingType::Integer, "50" },
    { "ChangesSilverPercent", SettingType::Integer, "20" },
    { "ChangesSilverMinimum", SettingType::Integer, "200" },
    { "ChangesHorsesPercent", SettingType::Integer, "20" },
    { "ChangesHorsesMinimum", SettingType::Integer, "5" },
    { "ChangesTreesPercent", SettingType::Integer, "10" },
    { "ChangesTreesMinimum", SettingType::Integer, "5" },
    { "ChangesWagesPercent", SettingType::Integer, "0" },
    { "ChangesWagesMinimum", SettingType::Integer, "1" },
    { "ChangesPricesPercent", SettingType::Integer, "20" },
    { "ChangesPricesMinimum", SettingType::Integer, "1" },
    { "ChangesUnitSilverPercent", SettingType::Integer, "25" },
    { "ChangesUnitSilverMinimum", SettingType::Integer, "100" },
    { "ChangesPastTurns", SettingType::Integer, "10" },
};

// Records the value names it is asked to delete, in order.
class RecordingStore : public MemorySettingsStore {
public:
    std::vector<std::string> deleted;
    bool Delete(const std::string& key, const std::string& name) override
    {
        deleted.push_back(name);
        return MemorySettingsStore::Delete(key, name);
    }
};

TEST(Settings, FreshStoreGivesEveryDefaultInTableOrderAndWritesNothing)
{
    RecordingStore store;
    {
        TSettings settings(store);
        const auto& all = settings.Registry().Settings();
        ASSERT_EQ(all.size(), kTable.size());
        for (std::size_t i = 0; i < kTable.size(); ++i) {
            SCOPED_TRACE(kTable[i].name);
            EXPECT_EQ(all[i]->Path(), std::string("Software\\Oskel\\Maprune\\") + kTable[i].name);
            EXPECT_EQ(all[i]->Type(), kTable[i].type);
            EXPECT_EQ(all[i]->ValueText(), kTable[i].defaultText);
            EXPECT_TRUE(all[i]->IsDefault());
        }
        EXPECT_TRUE(settings.Registry().Problems().empty());
    }
    EXPECT_EQ(store.ValueCount(), 0u);
    ASSERT_EQ(store.deleted.size(), kTable.size());
    EXPECT_EQ(store.deleted.front(), "ChangesPastTurns") << "the last created ends first";
    EXPECT_EQ(store.deleted.back(), "FastKDF");
}

TEST(Settings, EveryNumberHasARangeAndAStoredValueOutsideItGivesTheDefault)
{
    MemorySettingsStore store;
    const std::string key = "Software\\Oskel\\Maprune";
    const struct {
        const char* Name;
        int32_t Stored;
    } outside[] = { { "Mail_Timeout", 2147484 }, { "Mail_Port", 0 }, { "KCHECK_Timeout", -1 },
        { "OverviewZoom", 1000 } };
    for (const auto& c : outside)
        store.Write(key, c.Name, StoredValue::Integer(c.Stored));
    store.Write(key, "TextStyle", StoredValue::Integer(5));

    TSettings settings(store);
    for (const TRegistrySetting* setting : settings.Registry().Settings()) {
        const SettingType type = setting->Type();
        if (type == SettingType::Integer || type == SettingType::Float) {
            EXPECT_NE(setting->RangeText(), "") << setting->ValueName();
        }
    }
    EXPECT_EQ(settings.Mail_Timeout.Get(), 30);
    EXPECT_EQ(settings.Mail_Port.Get(), 25);
    EXPECT_EQ(settings.KCHECK_Timeout.Get(), 60);
    EXPECT_EQ(settings.OverviewZoom.Get(), 1);
    EXPECT_EQ(settings.TextStyle.Get(), 5) << "the highest value within the range stays";
    const std::vector<std::string>& problems = settings.Registry().Problems();
    ASSERT_EQ(problems.size(), std::size(outside));
    EXPECT_EQ(problems[1],
        "Registry-Wert \"Software\\Oskel\\Maprune\\KCHECK_Timeout\" (-1) "
        "liegt außerhalb des Bereichs 1 bis 3600; es gilt der Standardwert.");
}

TEST(Settings, StoredValuesAreLoadedAndChangesKeptForTheNextStart)
{
    MemorySettingsStore store;
    {
        TSettings settings(store);
        settings.ExportDir.Set("/home/spieler/export");
        settings.ScrollSpeed.Set(-0.5);
        settings.KelvaranLayout.Set(false);
    }
    EXPECT_EQ(store.ValueCount(), 3u);
    TSettings again(store);
    EXPECT_EQ(again.ExportDir.Get(), "/home/spieler/export");
    EXPECT_EQ(again.ScrollSpeed.Get(), -0.5);
    EXPECT_FALSE(again.KelvaranLayout.Get());
    EXPECT_TRUE(again.FastKDF.Get());
}

TEST(Settings, ExportDirChangedAndChangedBackLeavesNoValueName)
{
    MemorySettingsStore store;
    {
        TSettings settings(store);
        settings.ExportDir.SetAndStore("/tmp/export");
        EXPECT_EQ(store.ValueCount(), 1u);
        settings.ExportDir.SetAndStore("");
    }
    EXPECT_EQ(store.ValueCount(), 0u);
}

TEST(Settings, CurrentSettingsIsWhatWasInstalledLast)
{
    MemorySettingsStore store;
    TSettings outer(store);
    TSettings inner(store);
    EXPECT_THROW(CurrentSettings(), Error);
    {
        ScopedSettings installOuter(outer);
        EXPECT_EQ(&CurrentSettings(), &outer);
        {
            ScopedSettings installInner(inner);
            EXPECT_EQ(&CurrentSettings(), &inner);
        }
        EXPECT_EQ(&CurrentSettings(), &outer);
    }
    EXPECT_THROW(CurrentSettings(), Error);
}

} // namespace
