// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "storage/memory_stream.h"
#include "storage/object_writer.h"

using namespace maprune;
using namespace std::string_literals;

namespace {

std::string Int(int32_t v)
{
    ByteWriter out;
    out.PutI32(v);
    return out.Take();
}

std::string Str(const std::string& s)
{
    return Int(static_cast<int32_t>(s.size())) + s;
}

std::string Record(const std::string& cls, const std::string& payload)
{
    return static_cast<char>(cls.size()) + cls + Int(static_cast<int32_t>(payload.size()))
           + payload;
}

} // namespace

TEST(ObjectWriter, LaysOutRecordsPropertiesEndMarkAndValueTails)
{
    auto report = CreateEmpty<TReport>(nullptr);

    auto lines = CreateEmpty<TLines>(report.get());
    lines->SetText("a\nb");
    lines->Turn = 3;
    EXPECT_EQ(RecordOf(*lines),
              Record("TLines", "\x03Tag"s + Int(0) + "\x04Turn" + Int(3) + "\x04Text"
                                   + Str("a\r\nb\r\n") + '\0'));

    auto history = CreateEmpty<THistoryInteger>(report.get());
    history->AddValue(5, 10);
    history->AddValue(7, 3);
    EXPECT_EQ(RecordOf(*history), Record("THistoryInteger", "\x03Tag"s + Int(0) + '\0' + Int(2)
                                                                + Int(7) + Int(3) + Int(5)
                                                                + Int(10)));

    auto prices = CreateEmpty<TPrices>(report.get());
    prices->Entries = {{-3, "Balsam"}};
    EXPECT_EQ(RecordOf(*prices),
              Record("TPrices", "\x03Tag"s + Int(0) + '\0' + Int(1) + Int(-3) + Str("Balsam")));

    auto items = CreateEmpty<TItems>(report.get());
    items->Entries = {{"Schwert", 2}};
    EXPECT_EQ(RecordOf(*items),
              Record("TItems", "\x03Tag"s + Int(0) + '\0' + Int(1) + Str("Schwert") + Int(2)));

    auto talents = CreateEmpty<TTalents>(report.get());
    talents->Entries = {{"Reiten", 90, 2}};
    EXPECT_EQ(RecordOf(*talents), Record("TTalents", "\x03Tag"s + Int(0) + '\0' + Int(1)
                                                         + Str("Reiten") + Int(90) + Int(2)));
}

TEST(ObjectWriter, ListsWriteTheirElementsAfterTheEndMark)
{
    auto report = CreateEmpty<TReport>(nullptr);
    auto spells = CreateEmpty<TSpells>(report.get());
    AddTo(*spells).Nr = 1;
    AddTo(*spells).Level = 2;
    // An emptied entry is not written.
    spells->Add(CreateEmpty<TSpell>(report.get()));
    spells->Release(2);
    const std::string spell1 = Record("TSpell", "\x03Tag"s + Int(0) + "\x02Nr" + Int(1)
                                                    + "\x05Level" + Int(0) + '\0');
    const std::string spell2 = Record("TSpell", "\x03Tag"s + Int(0) + "\x02Nr" + Int(0)
                                                    + "\x05Level" + Int(2) + '\0');
    EXPECT_EQ(RecordOf(*spells),
              Record("TSpells", "\x03Tag"s + Int(0) + '\0' + Int(2) + spell1 + spell2));
}

TEST(ObjectWriter, LeavesOutDefaultsAndEmptyObjectsButAlwaysWritesHistories)
{
    TestTerrains terrains;
    auto report = CreateEmpty<TReport>(nullptr);
    auto unit = CreateEmpty<TUnit>(report.get());
    const std::string record = RecordOf(*unit);
    // Declared defaults (-1) and empty strings, texts and tables stay out.
    for (const char* absent : {"Turn", "Nr", "Party", "Building", "Cloak", "Ship", "Name",
                               "Descr", "Default_", "Commands", "Items", "Talents", "Messages",
                               "Spells", "Private_", "TrueType", "Type_"})
        EXPECT_FALSE(HasPropertyName(record, absent)) << absent;
    // Integers without a declared default are always written, as are histories.
    for (const char* present : {"Tag", "Besiege", "CloakParty", "FightState", "Observes",
                                "Weapons", "HitPoints", "Count", "Silver"})
        EXPECT_TRUE(HasPropertyName(record, present)) << present;
    EXPECT_NE(record.find(Record("THistoryInteger", "\x03Tag"s + Int(0) + '\0' + Int(0))),
              std::string::npos)
        << "an empty history: end mark and count 0";

    auto region = CreateEmpty<TRegion>(report.get());
    for (const char* absent :
         {"Buildings", "Comment", "Events", "Messages", "Passthrough", "Prices", "Surrounding",
          "Ships", "Units", "Politic", "Bitmap_", "Entertainment", "Recrutees", "InfoDate"})
        EXPECT_FALSE(HasPropertyName(RecordOf(*region), absent)) << absent;
    EXPECT_TRUE(HasPropertyName(RecordOf(*region), "Wages"));

    report->Version = 34;
    EXPECT_FALSE(HasPropertyName(RecordOf(*report), "Version"));
    report->Version = 37;
    EXPECT_TRUE(HasPropertyName(RecordOf(*report), "Version"));
}

TEST(ObjectWriter, RegionsStoreLandAndMineralValuesByTerrain)
{
    TestTerrains terrains;
    auto report = CreateEmpty<TReport>(nullptr);
    auto region = CreateEmpty<TRegion>(report.get());
    const char* land[] = {"Horses", "Peasants", "Silver", "Street", "Trees"};

    region->Terrain = "Ozean";
    region->Mallorn = 5;
    for (const char* name : land)
        EXPECT_FALSE(HasPropertyName(RecordOf(*region), name)) << name;
    EXPECT_FALSE(HasPropertyName(RecordOf(*region), "Iron"));
    // What a region holds is written in any terrain, 0 beside -1 too.
    EXPECT_TRUE(HasPropertyName(RecordOf(*region), "Mallorn"));
    region->Silver->AddValue(3, 0);
    region->Iron->AddValue(3, 7);
    EXPECT_TRUE(HasPropertyName(RecordOf(*region), "Silver"));
    EXPECT_TRUE(HasPropertyName(RecordOf(*region), "Iron"));
    region->Silver->SetHistory({});
    region->Iron->SetHistory({});

    region->Terrain = "Ebene";
    for (const char* name : land)
        EXPECT_TRUE(HasPropertyName(RecordOf(*region), name)) << name;
    EXPECT_FALSE(HasPropertyName(RecordOf(*region), "Iron"));
    EXPECT_FALSE(HasPropertyName(RecordOf(*region), "Laen"));

    region->Terrain = "Berge";
    EXPECT_TRUE(HasPropertyName(RecordOf(*region), "Iron"));
    EXPECT_TRUE(HasPropertyName(RecordOf(*region), "Laen"));
}

TEST(ObjectWriter, PoliticInfoWritesItsOwnTurnSecond)
{
    auto report = CreateEmpty<TReport>(nullptr);
    auto politic = CreateEmpty<TPoliticInfo>(report.get());
    politic->Turn = 12;
    politic->Party = 5;
    const std::string record = RecordOf(*politic);
    const std::string payload = record.substr(1 + 12 + 4);
    EXPECT_EQ(payload.substr(0, 17), "\x03Tag"s + Int(0) + "\x04Turn" + Int(12));
    EXPECT_EQ(payload.find("\x04Turn", 17), std::string::npos) << "Turn written once";
    EXPECT_TRUE(HasPropertyName(payload, "Data")) << "four lines of -1";
    EXPECT_LT(payload.find("\x04" "Data"), payload.find("\x05" "Party"));
}

TEST(ObjectWriter, AReportRecordStartsWithTheFormatVersion)
{
    auto report = CreateEmpty<TReport>(nullptr);
    const std::string record = RecordOf(*report);
    EXPECT_EQ(record.substr(0, 8), "\x07TReport");
    EXPECT_EQ(record.substr(8, 4), Int(static_cast<int32_t>(record.size() - 12)));
    EXPECT_EQ(record.substr(12, 4), "\x3B\0\0\0"s);
    EXPECT_EQ(record.substr(16, 4), "\x03Tag");

    TMemoryStream stream;
    WriteObject(*report, stream);
    EXPECT_EQ(stream.Bytes(), record);
}
