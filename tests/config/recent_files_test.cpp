// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "config/memory_settings_store.h"
#include "config/recent_files.h"

using namespace maprune;

namespace {

TEST(RecentFiles, SavingReplacesTheWholeListUnderItsSubKey)
{
    MemorySettingsStore store;
    store.Write("Software\\Oskel\\Maprune", "FastKDF", StoredValue::Integer(0));
    SaveRecentFiles(store, { "/a.cr", "/b.kdf", "/c.cr" });
    SaveRecentFiles(store, { "/d.kdf", "/a.cr" });

    EXPECT_EQ(store.ValueNames(kRecentFilesKey), (std::vector<std::string> { "1", "2" }));
    EXPECT_EQ(LoadRecentFiles(store), (std::vector<std::string> { "/d.kdf", "/a.cr" }));
    EXPECT_EQ(store.ValueCount(), 3u) << "the settings beside the sub-key are untouched";
}

TEST(RecentFiles, ValuesThatAreNoFileNamesAreSkipped)
{
    MemorySettingsStore store;
    store.Write(kRecentFilesKey, "1", StoredValue::String("/a.cr"));
    store.Write(kRecentFilesKey, "2", StoredValue::Integer(5));
    store.Write(kRecentFilesKey, "3", StoredValue::String(""));
    store.Write(kRecentFilesKey, "4", StoredValue::Binary("\x01"));
    store.Write(kRecentFilesKey, "5", StoredValue::String("/b.kdf"));
    EXPECT_EQ(LoadRecentFiles(store), (std::vector<std::string> { "/a.cr", "/b.kdf" }));
}

} // namespace
