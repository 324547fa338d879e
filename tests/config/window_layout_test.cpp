// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "config/memory_settings_store.h"
#include "config/window_layout.h"

using namespace maprune;

TEST(WindowLayout, RoundTripsAndIgnoresValuesOfAnotherType)
{
    MemorySettingsStore store;
    EXPECT_EQ(LoadWindowLayout(store).State, "") << "a first start has none";

    WindowLayout layout;
    layout.Geometry = std::string("\x01\x00\xff", 3);
    layout.State = std::string("\x00\x00\x00\xff", 4);
    layout.OpenFolder = "/home/spieler/Kelvaran/Reports";
    SaveWindowLayout(store, layout);
    const WindowLayout back = LoadWindowLayout(store);
    EXPECT_EQ(back.Geometry, layout.Geometry);
    EXPECT_EQ(back.State, layout.State);
    EXPECT_EQ(back.OpenFolder, layout.OpenFolder);
    EXPECT_EQ(back.SaveFolder, "");

    // A hand-edited value of the wrong kind is left out, not misread.
    store.Write(kWindowLayoutKey, "State", StoredValue::Integer(7));
    EXPECT_EQ(LoadWindowLayout(store).State, "");
    EXPECT_EQ(LoadWindowLayout(store).Geometry, layout.Geometry);
}
