// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/game_data_fixtures.h"
#include "orders/order_words.h"

namespace maprune {
namespace {

TEST(OrderVocabulary, FirstWordsAsThePlayerWritesThem)
{
    std::vector<GameRecord> records;
    for (const char* command : { "ARBEITE", "KAUFE", "MACHE" })
        records.push_back(test::MakeRecord(KindCommand, command, "", command));
    SetGameData(std::make_unique<GameData>(std::move(records)));
    const OrderVocabulary vocabulary;
    const struct {
        const char* Line;
        OrderLineKind::Kind Kind;
        size_t Start, Length;
    } cases[] = {
        { "ARBEITEN", OrderLineKind::Command, 0, 8 }, // inflected
        { "  kaufe 5 Juwel", OrderLineKind::Command, 2, 5 },
        { "@MACH TEMP 1", OrderLineKind::Command, 1, 4 }, // abbreviated, lasting
        { "MA", OrderLineKind::Unknown, 0, 2 }, // too short to tell
        { "FLIEGE hoch", OrderLineKind::Unknown, 0, 6 },
        { "; später lernen", OrderLineKind::Comment, 0, 16 },
        { "  // bleibt", OrderLineKind::Comment, 2, 9 },
        { "   ", OrderLineKind::Empty, 0, 0 },
    };
    for (const auto& c : cases) {
        const OrderLineKind kind = vocabulary.Classify(c.Line);
        EXPECT_EQ(kind.Is, c.Kind) << c.Line;
        EXPECT_EQ(kind.WordStart, c.Start) << c.Line;
        EXPECT_EQ(kind.WordLength, c.Length) << c.Line;
    }
    SetGameData(nullptr);
}

} // namespace
} // namespace maprune
