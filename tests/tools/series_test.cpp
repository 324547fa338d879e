// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "map/test_world.h"
#include "tools/series/chart_lines.h"
#include "tools/series/series_definitions.h"

namespace maprune {
namespace {

using Points = std::vector<ChartPoint>;

TEST(SeriesDefinitionsTest, ReadAndWrittenWithTheirSeparators)
{
    const std::string two = "region[0,0].bauern\x01"
                            "Bauern\x01"
                            "3\x02partei.silber\x01Silber\x01";
    const std::vector<SeriesDefinition> definitions = ParseSeries(two);
    ASSERT_EQ(definitions.size(), 2u);
    EXPECT_EQ(definitions[0], (SeriesDefinition { "region[0,0].bauern", "Bauern", "3" }));
    EXPECT_EQ(definitions[1], (SeriesDefinition { "partei.silber", "Silber", "" }));
    EXPECT_EQ(WriteSeries(definitions), two);
    EXPECT_TRUE(ParseSeries("").empty());
    EXPECT_EQ(ParseSeries("nur")[0], (SeriesDefinition { "nur", "", "" }));
    EXPECT_EQ(WriteSeries({}), "");

    EXPECT_EQ(AppendSeries("", "a", "A"), "a\x01" "A\x01");
    EXPECT_EQ(AppendSeries("a\x01" "A\x01", "b\x02", "B\x01"), "a\x01" "A\x01\x02" "b \x01" "B \x01");
    EXPECT_EQ(ScaleFactor("3"), 0.01);
    EXPECT_EQ(ScaleFactor("9"), 10000);
    EXPECT_EQ(ScaleFactor(""), -1);
    EXPECT_EQ(ScaleFactor("x"), -1);
}

class ChartTest : public ::testing::Test {
protected:
    // A history with the (turn, value) entries given.
    const THistoryInteger& History(std::initializer_list<std::pair<int32_t, int32_t>> entries)
    {
        TRegion& region = world.AddRegion(static_cast<int32_t>(world.Report().Regions->Count()), 0);
        for (const auto& [turn, value] : entries)
            region.Peasants->AddValue(turn, value);
        return *region.Peasants;
    }

    TSeries Series(const THistoryInteger* data, double factor = -1)
    {
        return TSeries { { "x", "Titel", "" }, factor, data };
    }

    maptest::TestWorld world;
};

TEST_F(ChartTest, LinesAsTheChartDrawsThem)
{
    const THistoryInteger& peasants = History({ { 1, 999 }, { 3, 100 }, { 4, 400 }, { 5, 200 } });
    const THistoryInteger& later = History({ { 4, 3000 }, { 5, 3000 } });
    const THistoryInteger& single = History({ { 4, 50 } });
    const THistoryInteger& empty = History({});

    // One point per turn from the oldest above 1; the newest at the right end.
    ChartDrawing drawing = DrawChart({ Series(&peasants) });
    EXPECT_EQ(drawing.Ranges.MinX, 3);
    EXPECT_EQ(drawing.Ranges.MaxX, 5);
    EXPECT_EQ(drawing.Ranges.MaxY, 100); // no fixed-scale series
    ASSERT_EQ(drawing.Lines.size(), 1u);
    EXPECT_EQ(drawing.Lines[0].Points, (Points { { 3, 25 }, { 4, 100 }, { 5, 50 } }));

    // A fixed factor of 0.01 draws 3000 at 30; the later series starts at 0.
    drawing = DrawChart({ Series(&peasants, 1), Series(&later, 0.01), Series(nullptr),
        Series(&single, 1), Series(&empty, 1) });
    EXPECT_EQ(drawing.Ranges.MinY, 30);
    EXPECT_EQ(drawing.Ranges.MaxY, 999);
    ASSERT_EQ(drawing.Lines.size(), 3u);
    EXPECT_EQ(drawing.Lines[0].Points, (Points { { 3, 100 }, { 4, 400 }, { 5, 200 } }));
    EXPECT_EQ(drawing.Lines[1].Series, 1u);
    EXPECT_EQ(drawing.Lines[1].Points, (Points { { 3, 0 }, { 4, 30 }, { 5, 30 } }));
    // A single entry is a horizontal line across the whole range.
    EXPECT_EQ(drawing.Lines[2].Series, 3u);
    EXPECT_EQ(drawing.Lines[2].Points, (Points { { 3, 50 }, { 5, 50 } }));

    // Every automatic series reaches 100; a gap before a late start is 0.
    const THistoryInteger& late = History({ { 5, 5 }, { 6, 10 } });
    drawing = DrawChart({ Series(&peasants), Series(&late) });
    EXPECT_EQ(drawing.Lines[1].Points, (Points { { 3, 0 }, { 4, 0 }, { 5, 50 }, { 6, 100 } }));
    EXPECT_EQ(drawing.Lines[0].Points.back(), (ChartPoint { 6, 50 }));
    // So does a single value, which would read as a zero at the bottom.
    drawing = DrawChart({ Series(&peasants), Series(&single) });
    EXPECT_EQ(drawing.Lines[1].Points, (Points { { 3, 100 }, { 5, 100 } }));
    EXPECT_EQ(ReadChart(drawing.Lines[1], drawing.Ranges, 4)->Value, 50);

    EXPECT_TRUE(DrawChart({ Series(nullptr), Series(&empty) }).Empty());
}

TEST_F(ChartTest, ReadoutAtAndBetweenPoints)
{
    const THistoryInteger& silver = History({ { 13, 1000 }, { 15, 3000 }, { 16, 500 } });
    const ChartDrawing drawing = DrawChart({ Series(&silver, 0.01) });
    const ChartLine& line = drawing.Lines[0];
    const struct {
        double X;
        std::string Caption;
    } cases[] = {
        { 15.2, "Titel (März 2): 3000" },
        { 14, "Titel (Februar 2): 2000*" },
        { 99, "Titel (April 2): 500" },
        { -5, "Titel (Januar 2): 1000" },
    };
    for (const auto& one : cases) {
        const std::optional<ChartReadout> readout = ReadChart(line, drawing.Ranges, one.X);
        ASSERT_TRUE(readout.has_value());
        EXPECT_EQ(ReadoutCaption(line.Title, *readout), one.Caption) << one.X;
    }
}

} // namespace
} // namespace maprune
