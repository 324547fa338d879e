// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "config/memory_settings_store.h"
#include "config/registry_value.h"
#include "config/settings_registry.h"
#include "core/byte_coding.h"
#include "core/error.h"

using namespace maprune;

namespace {

std::string DoubleBytes(double value)
{
    ByteWriter bytes;
    bytes.PutF64(value);
    return bytes.Take();
}

const std::string kKey = "Software\\Oskel\\Maprune";

std::string PathOf(const std::string& name)
{
    return kKey + '\\' + name;
}

class RegistryValueTest : public ::testing::Test {
protected:
    MemorySettingsStore store;
    SettingsRegistry registry { store };

    std::optional<StoredValue> Stored(const std::string& name) const
    {
        return store.Read(kKey, name, StoredType::Other);
    }
};

TEST_F(RegistryValueTest, WritesBackOnlyWhatDiffersFromTheDefault)
{
    {
        TRegistryInteger zoom(registry, PathOf("OverviewZoom"), 1);
        TRegistryBoolean fast(registry, PathOf("FastKDF"), true);
        TRegistryString dir(registry, PathOf("OpenDir"), "");
        zoom.Set(4);
        fast.Set(false);
        EXPECT_EQ(store.ValueCount(), 0u) << "Set works in memory only";
    }
    EXPECT_EQ(Stored("OverviewZoom"), StoredValue::Integer(4));
    EXPECT_EQ(Stored("FastKDF"), StoredValue::Integer(0));
    EXPECT_FALSE(Stored("OpenDir"));
}

TEST_F(RegistryValueTest, ValueChangedAndChangedBackLeavesNoValueName)
{
    store.Write(kKey, "ExportDir", StoredValue::String("/alt"));
    {
        TRegistryString dir(registry, PathOf("ExportDir"), "");
        EXPECT_EQ(dir.Get(), "/alt");
        dir.Set("/home/spieler/export");
        dir.Set("");
    }
    EXPECT_FALSE(Stored("ExportDir"));
    EXPECT_EQ(store.ValueCount(), 0u);
}

TEST_F(RegistryValueTest, StringsCompareWithTheDefaultByCase)
{
    {
        TRegistryString subject(registry, PathOf("Mail_Commands_Subject"), "kelvaran befehle");
        subject.Set("Kelvaran Befehle");
    }
    EXPECT_EQ(Stored("Mail_Commands_Subject"), StoredValue::String("Kelvaran Befehle"));
}

TEST_F(RegistryValueTest, FloatIsStoredAsEightLittleEndianBytesUnlessDefault)
{
    {
        TRegistryFloat speed(registry, PathOf("ScrollSpeed"), 1.0);
        speed.Set(1.0);
    }
    EXPECT_FALSE(Stored("ScrollSpeed"));

    {
        TRegistryFloat speed(registry, PathOf("ScrollSpeed"), 1.0);
        speed.Set(-0.5);
    }
    const auto stored = Stored("ScrollSpeed");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, StoredType::Binary);
    EXPECT_EQ(stored->data, std::string("\0\0\0\0\0\0\xE0\xBF", 8));

    TRegistryFloat again(registry, PathOf("ScrollSpeed"), 1.0);
    EXPECT_EQ(again.Get(), -0.5);
}

TEST_F(RegistryValueTest, BooleanReadsAnyNonZeroIntegerAsTrue)
{
    store.Write(kKey, "NoAutoSave", StoredValue::Integer(7));
    store.Write(kKey, "FastKDF", StoredValue::Integer(0));
    TRegistryBoolean noAutoSave(registry, PathOf("NoAutoSave"), false);
    TRegistryBoolean fast(registry, PathOf("FastKDF"), true);
    EXPECT_TRUE(noAutoSave.Get());
    EXPECT_FALSE(fast.Get());
}

TEST_F(RegistryValueTest, StoredValueOfAnotherTypeIsReportedAndTheDefaultUsed)
{
    std::vector<std::string> reported;
    SettingsRegistry watched(store, [&](const TRegistrySetting& setting, const std::string& m) {
        reported.push_back(setting.ValueName() + ": " + m);
    });
    store.Write(kKey, "FastKDF", StoredValue::String("ja"));
    store.Write(kKey, "OpenDir", StoredValue::Integer(3));
    store.Write(kKey, "OverviewZoom", StoredValue::Binary("\x01\x02"));
    store.Write(kKey, "TextStyle", StoredValue::Other("Liste"));

    TRegistryBoolean fast(watched, PathOf("FastKDF"), true);
    TRegistryString dir(watched, PathOf("OpenDir"), "");
    TRegistryInteger zoom(watched, PathOf("OverviewZoom"), 1);
    TRegistryInteger style(watched, PathOf("TextStyle"), 0);

    EXPECT_TRUE(fast.Get());
    EXPECT_EQ(dir.Get(), "");
    EXPECT_EQ(zoom.Get(), 1);
    EXPECT_EQ(style.Get(), 0);
    ASSERT_EQ(reported.size(), 4u);
    EXPECT_EQ(reported[0],
        "FastKDF: Registry-Wert \"Software\\Oskel\\Maprune\\FastKDF\" hat den falschen Typ "
        "(Zeichenkette statt Ganzzahl); es gilt der Standardwert.");
    EXPECT_NE(reported[1].find("(Ganzzahl statt Zeichenkette)"), std::string::npos);
    EXPECT_NE(reported[2].find("(Binärdaten statt Ganzzahl)"), std::string::npos);
    EXPECT_NE(reported[3].find("(Liste statt Ganzzahl)"), std::string::npos);
    EXPECT_EQ(watched.Problems().size(), 4u);
}

TEST_F(RegistryValueTest, FloatOfWrongSizeOrNotFiniteIsReported)
{
    store.Write(kKey, "A", StoredValue::Binary(std::string("\0\0\0\0\0\0\xE0", 7)));
    store.Write(kKey, "B", StoredValue::Binary(std::string("\0\0\0\0\0\0\xE0\xBF\0", 9)));
    store.Write(kKey, "C", StoredValue::Binary(DoubleBytes(std::nan(""))));
    store.Write(
        kKey, "D", StoredValue::Binary(DoubleBytes(-std::numeric_limits<double>::infinity())));
    store.Write(kKey, "E", StoredValue::Integer(1));
    for (const char* name : { "A", "B", "C", "D", "E" }) {
        TRegistryFloat value(registry, PathOf(name), 1.0);
        EXPECT_EQ(value.Get(), 1.0) << name;
    }
    ASSERT_EQ(registry.Problems().size(), 5u);
    EXPECT_NE(registry.Problems()[0].find("hat 7 statt 8 Bytes"), std::string::npos);
    EXPECT_NE(registry.Problems()[1].find("hat 9 statt 8 Bytes"), std::string::npos);
    EXPECT_NE(registry.Problems()[2].find("keine endliche Zahl"), std::string::npos);
    EXPECT_NE(registry.Problems()[3].find("keine endliche Zahl"), std::string::npos);
    EXPECT_NE(registry.Problems()[4].find("falschen Typ"), std::string::npos);
}

TEST_F(RegistryValueTest, UnusableStoredValueIsRemovedAtTheEndUnlessChanged)
{
    store.Write(kKey, "FastKDF", StoredValue::String("ja"));
    store.Write(kKey, "NoAutoSave", StoredValue::String("nein"));
    {
        TRegistryBoolean fast(registry, PathOf("FastKDF"), true);
        TRegistryBoolean noAutoSave(registry, PathOf("NoAutoSave"), false);
        noAutoSave.Set(true);
    }
    EXPECT_FALSE(Stored("FastKDF"));
    EXPECT_EQ(Stored("NoAutoSave"), StoredValue::Integer(1));
}

TEST_F(RegistryValueTest, SetAndStoreWritesThroughAtOnce)
{
    TRegistryString dir(registry, PathOf("ExportDir"), "");
    dir.SetAndStore("/tmp/export");
    EXPECT_EQ(Stored("ExportDir"), StoredValue::String("/tmp/export"));
    dir.SetAndStore("");
    EXPECT_FALSE(Stored("ExportDir"));
}

TEST_F(RegistryValueTest, ReaderThatTurnsOffWriteBackLeavesTheStoreAlone)
{
    store.Write(kKey, "FastKDF", StoredValue::String("ja"));
    registry.SetWriteBackOnDestruction(false);
    {
        TRegistryBoolean fast(registry, PathOf("FastKDF"), true);
        TRegistryInteger zoom(registry, PathOf("OverviewZoom"), 1);
        zoom.Set(3);
    }
    EXPECT_EQ(Stored("FastKDF"), StoredValue::String("ja"));
    EXPECT_FALSE(Stored("OverviewZoom"));
}

TEST_F(RegistryValueTest, RegistryListsSettingsInCreationOrderWhileTheyLive)
{
    TRegistryBoolean a(registry, PathOf("A"), false);
    {
        TRegistryInteger b(registry, PathOf("B"), 0);
        TRegistryString c(registry, PathOf("C"), "");
        ASSERT_EQ(registry.Settings().size(), 3u);
        EXPECT_EQ(registry.Settings()[0], &a);
        EXPECT_EQ(registry.Settings()[2], &c);
        EXPECT_EQ(registry.Find("c"), &c);
        EXPECT_EQ(registry.Find(PathOf("B")), &b);
    }
    ASSERT_EQ(registry.Settings().size(), 1u);
    EXPECT_EQ(registry.Find("C"), nullptr);
}

TEST_F(RegistryValueTest, EachPathExistsOnce)
{
    TRegistryBoolean a(registry, PathOf("FastKDF"), false);
    EXPECT_THROW(TRegistryBoolean(registry, PathOf("fastkdf"), false), Error);
    EXPECT_EQ(registry.Settings().size(), 1u);
}

// A store whose keys cannot be opened, or whose values cannot be written.
class FailingStore : public MemorySettingsStore {
public:
    bool refuseKeys = false;
    bool refuseWrites = false;
    bool OpenKey(const std::string& key) override
    {
        return !refuseKeys && MemorySettingsStore::OpenKey(key);
    }
    bool Write(const std::string& key, const std::string& name, const StoredValue& value) override
    {
        return !refuseWrites && MemorySettingsStore::Write(key, name, value);
    }
};

TEST(RegistryValueFailure, KeyThatCannotBeOpenedIsAnErrorOfTheConstructor)
{
    FailingStore store;
    store.refuseKeys = true;
    SettingsRegistry registry(store);
    try {
        TRegistryInteger zoom(registry, "Software\\Elsewhere\\OverviewZoom", 1);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(
            e.what(), "Fehler beim Anlegen/Öffnen des Registry-Pfades \"Software\\Elsewhere\"");
    }
    EXPECT_TRUE(registry.Settings().empty()) << "a failed setting does not stay registered";
}

TEST(RegistryValueFailure, FailedWriteBackAtTheEndIsReportedNotThrown)
{
    FailingStore store;
    std::vector<std::string> reported;
    SettingsRegistry registry(store,
        [&](const TRegistrySetting&, const std::string& message) { reported.push_back(message); });
    {
        TRegistryInteger zoom(registry, "Software\\Oskel\\Maprune\\OverviewZoom", 1);
        zoom.Set(2);
        store.refuseWrites = true;
        EXPECT_THROW(zoom.SetAndStore(3), Error);
        EXPECT_EQ(zoom.Get(), 3) << "the change stays in force for the session";
    }
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0],
        "Fehler beim Schreiben des Registry-Wertes \"Software\\Oskel\\Maprune\\OverviewZoom\"");
}

TEST(RegistryPath, NeedsAValueNameAfterTheLastBackslash)
{
    MemorySettingsStore store;
    SettingsRegistry registry(store);
    for (const char* path : { "FastKDF", "Software\\Oskel\\Maprune\\", "", "\\" }) {
        try {
            TRegistryBoolean setting(registry, path, true);
            FAIL() << "no error for " << path;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                std::string("Registry-Pfad enthält keinen Wertbezeichner: \"") + path + "\"");
        }
    }
    EXPECT_TRUE(registry.Settings().empty());

    TRegistryBoolean nested(registry, "Software\\Oskel\\Maprune\\Sub\\Name", true);
    EXPECT_EQ(nested.Key(), "Software\\Oskel\\Maprune\\Sub");
    EXPECT_EQ(nested.ValueName(), "Name");
}

TEST_F(RegistryValueTest, TextFormIsCheckedForTypeAndRange)
{
    TRegistryBoolean flag(registry, PathOf("FastKDF"), true);
    TRegistryInteger level(registry, PathOf("KCHECK_WARNINGLEVEL"), 4, { 0, 9 });
    TRegistryFloat speed(registry, PathOf("ScrollSpeed"), 1.0, { -10.0, 10.0 });
    TRegistryString subject(registry, PathOf("Mail_Commands_Subject"), "kelvaran befehle");

    flag.SetText("FALSE");
    EXPECT_FALSE(flag.Get());
    flag.SetText("1");
    EXPECT_TRUE(flag.Get());
    level.SetText("9");
    speed.SetText("-0.5");
    subject.SetText("");
    EXPECT_EQ(level.ValueText(), "9");
    EXPECT_EQ(speed.ValueText(), "-0.5");
    EXPECT_EQ(speed.DefaultText(), "1");
    EXPECT_EQ(subject.ValueText(), "");
    EXPECT_EQ(level.RangeText(), "0 bis 9");
    EXPECT_EQ(flag.RangeText(), "");

    auto message = [](TRegistrySetting& setting, const std::string& text) {
        try {
            setting.SetText(text);
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(
        message(flag, "ja"), "Ungültiger Wert für FastKDF: \"ja\" (erwartet: true oder false)");
    EXPECT_EQ(
        message(level, "10"), "Wert für KCHECK_WARNINGLEVEL außerhalb des Bereichs 0 bis 9: 10");
    EXPECT_EQ(
        message(level, "-1"), "Wert für KCHECK_WARNINGLEVEL außerhalb des Bereichs 0 bis 9: -1");
    for (const char* bad : { "", "4x", " 4", "4.0", "99999999999", "0x4" })
        EXPECT_NE(message(level, bad).find("erwartet: eine ganze Zahl"), std::string::npos) << bad;
    for (const char* bad : { "nan", "inf", "1,5", "", "-" })
        EXPECT_NE(message(speed, bad).find("erwartet: eine Zahl"), std::string::npos) << bad;
    EXPECT_NE(message(speed, "10.5").find("außerhalb"), std::string::npos);
    EXPECT_EQ(level.Get(), 9) << "a refused text changes nothing";
    EXPECT_EQ(speed.Get(), -0.5);
}

} // namespace
