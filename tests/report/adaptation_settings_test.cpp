// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "report/adaptation_settings.h"

using namespace maprune;

TEST(AdaptationSettings, OptionsFollowTheSettings)
{
    MemorySettingsStore store;
    TSettings settings(store);
    const AdaptationOptions defaults = AdaptationOptionsFrom(settings);
    EXPECT_FALSE(defaults.Enabled);
    EXPECT_EQ(defaults.NameMismatchLimit, 5);
    EXPECT_EQ(defaults.TerrainMismatchLimit, 5);
    EXPECT_EQ(defaults.OnSeveral, SeveralShiftsReaction::TakeBest);
    EXPECT_EQ(defaults.OnNone, NoShiftReaction::Ask);

    settings.NoCenterAdaptation.Set(false);
    settings.ACA_NameMisMatch.Set(3);
    settings.ACA_TerrainMisMatch.Set(12);
    settings.ACA_R_MPA.Set(1);
    settings.ACA_R_NPA.Set(1);
    const AdaptationOptions changed = AdaptationOptionsFrom(settings);
    EXPECT_TRUE(changed.Enabled);
    EXPECT_EQ(changed.NameMismatchLimit, 3);
    EXPECT_EQ(changed.TerrainMismatchLimit, 12);
    EXPECT_EQ(changed.OnSeveral, SeveralShiftsReaction::LetUserChoose);
    EXPECT_EQ(changed.OnNone, NoShiftReaction::Refuse);
}
