// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/byte_coding.h"
#include "core/error.h"
#include "model/game_data_file.h"
#include "model/game_data_fixtures.h"

using namespace maprune;
using maprune::test::MakeRecord;

namespace {

std::vector<GameRecord> TwoRecords()
{
    GameRecord sword = MakeRecord(KindItem, "Schwert", "Schwerter", "Schwert|Schwerter");
    sword.Description = "scharf";
    sword.SetInt32(20, 1);
    sword.SetInt32(24, 1);
    sword.SetByte(391, 0x5A);
    GameRecord ocean = MakeRecord(KindTerrain, "Ozean", "", "Ozean");
    ocean.SetByte(24, 1);
    return { sword, ocean };
}

} // namespace

TEST(GameDataFile, KeepsTheByteLayout)
{
    const std::string bytes = SerializeGameDataFile(TwoRecords());
    ByteReader r(bytes);
    EXPECT_EQ(r.ReadI32(), 2);
    EXPECT_EQ(r.ReadU16(), 7u);
    EXPECT_EQ(r.ReadBytes(7), "Schwert");
    r.Skip(2 + 9 + 2 + 17);
    EXPECT_EQ(r.ReadU16(), 6u);
    EXPECT_EQ(r.ReadBytes(6), "scharf");
    // The fixed block holds record bytes 16..391: kind first, byte 391 last.
    const std::string_view fixed = r.ReadBytes(GameRecord::kFixedSize);
    EXPECT_EQ(fixed[0], KindItem);
    EXPECT_EQ(fixed[20 - 16], 1);
    EXPECT_EQ(fixed[391 - 16], 0x5A);
    EXPECT_EQ(bytes.size(), 4 + 2 * (8 + GameRecord::kFixedSize) + 7 + 9 + 17 + 6 + 5 + 5);
}

TEST(GameDataFile, RoundTripsEveryField)
{
    const std::vector<GameRecord> records = TwoRecords();
    const std::vector<GameRecord> back = ParseGameDataFile(SerializeGameDataFile(records));
    ASSERT_EQ(back.size(), 2u);
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(back[i].Singular, records[i].Singular);
        EXPECT_EQ(back[i].Plural, records[i].Plural);
        EXPECT_EQ(back[i].Names, records[i].Names);
        EXPECT_EQ(back[i].Description, records[i].Description);
        EXPECT_EQ(back[i].Fixed, records[i].Fixed);
    }
}

TEST(GameDataFile, RejectsEveryTruncation)
{
    const std::string bytes = SerializeGameDataFile(TwoRecords());
    for (size_t length = 0; length < bytes.size(); ++length)
        EXPECT_THROW(ParseGameDataFile(std::string_view(bytes).substr(0, length)), Error) << length;
}

TEST(GameDataFile, RejectsCountsTheBytesCannotHoldAndTrailingBytes)
{
    ByteWriter huge;
    huge.PutI32(0x7FFFFFFF);
    huge.PutBytes(std::string(1000, '\0'));
    EXPECT_THROW(ParseGameDataFile(huge.Bytes()), Error);

    ByteWriter negative;
    negative.PutI32(-1);
    EXPECT_THROW(ParseGameDataFile(negative.Bytes()), Error);

    EXPECT_THROW(ParseGameDataFile(SerializeGameDataFile(TwoRecords()) + "x"), Error);
    EXPECT_TRUE(ParseGameDataFile(std::string(4, '\0')).empty());
}

TEST(GameDataFile, RefusesTextsLongerThanTheLengthField)
{
    std::vector<GameRecord> records = TwoRecords();
    records[1].Description.assign(65536, 'x');
    EXPECT_THROW(SerializeGameDataFile(records), Error);
    records[1].Description.pop_back();
    EXPECT_EQ(ParseGameDataFile(SerializeGameDataFile(records))[1].Description.size(), 65535u);
}
