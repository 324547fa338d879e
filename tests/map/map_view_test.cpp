// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "map/map_view.h"

using namespace maprune;

namespace {

// A view of 400 x 300 pixels over a map of 1000 x 700 pixels at (-100, -50).
MapViewState LargeMapView()
{
    MapViewState view;
    view.Extent = { -100, -50, 1000, 700, {} };
    view.ViewWidth = 400;
    view.ViewHeight = 300;
    SetupScrollBars(view);
    return view;
}

} // namespace

TEST(SetupScrollBar, RangeStepsAndCentreOffset)
{
    ScrollBarState bar { .Position = 900, .SmallStep = 32 };
    EXPECT_EQ(SetupScrollBar(bar, 1000, 301), 0);
    EXPECT_EQ(bar, (ScrollBarState { 699, 699, 32, 150, 1000, 301 }));

    // Smaller content: range 0 .. 0, the position falls back to 0 and the
    // content is centred (odd differences round toward zero).
    EXPECT_EQ(SetupScrollBar(bar, 64, 101), 18);
    EXPECT_EQ(bar.Position, 0);
    EXPECT_EQ(bar.Maximum, 0);
    EXPECT_FALSE(bar.Enabled());
    EXPECT_EQ(bar.LargeStep, 50);

    // Exactly fitting content needs no scrolling and no offset.
    EXPECT_EQ(SetupScrollBar(bar, 300, 300), 0);
    EXPECT_FALSE(bar.Enabled());
}

TEST(ScrollBy, ClampsToTheRangeAndReportsTheShift)
{
    MapViewState view = LargeMapView();
    EXPECT_EQ(view.Horizontal.Maximum, 600);
    EXPECT_EQ(view.Vertical.Maximum, 400);
    EXPECT_EQ(view.Horizontal.SmallStep, 32);
    EXPECT_EQ(view.Vertical.SmallStep, 24);

    EXPECT_EQ(ScrollBy(view, 0, 0), (ScrollResult {}));
    EXPECT_EQ(ScrollBy(view, 50, 20), (ScrollResult { ScrollEffect::Redraw, -50, -20 }));
    EXPECT_EQ(ScrollBy(view, 10'000, -5), (ScrollResult { ScrollEffect::Redraw, -550, 5 }));
    EXPECT_EQ(view.Horizontal.Position, 600);
    EXPECT_EQ(view.Vertical.Position, 15);
    // Further against the end: nothing moves, only a repaint.
    EXPECT_EQ(ScrollBy(view, 1, 0), (ScrollResult { ScrollEffect::Repaint, 0, 0 }));
    const int64_t huge = std::numeric_limits<int64_t>::max();
    EXPECT_EQ(ScrollBy(view, -huge, -huge), (ScrollResult { ScrollEffect::Redraw, 600, 15 }));
    EXPECT_EQ(ScrollBy(view, huge, std::numeric_limits<int64_t>::min()),
        (ScrollResult { ScrollEffect::Redraw, -600, 0 }));
}

TEST(ScrollBy, DisabledBarStaysAtZero)
{
    MapViewState view = LargeMapView();
    view.ViewHeight = 800;
    SetupScrollBars(view);
    EXPECT_EQ(view.CentreOffsetY, 50);
    EXPECT_EQ(ScrollBy(view, 0, 100), (ScrollResult { ScrollEffect::Repaint, 0, 0 }));
    EXPECT_EQ(ScrollBy(view, 30, 100), (ScrollResult { ScrollEffect::Redraw, -30, 0 }));
    EXPECT_EQ(view.Vertical.Position, 0);
}

TEST(PanStep, ScalesAndRoundsHalvesToEven)
{
    struct Case {
        double Speed;
        int64_t Last;
        int64_t Current;
        int64_t Expected;
    };
    const std::vector<Case> cases = {
        { 1.0, 10, 4, 6 },
        { 1.0, 4, 10, -6 },
        { -1.0, 10, 4, -6 },
        { 0.5, 1, 0, 0 },
        { 0.5, 3, 0, 2 },
        { 0.5, 5, 0, 2 },
        { 0.5, 0, 1, 0 },
        { 0.5, 0, 3, -2 },
        { 2.5, 1, 0, 2 },
        { 1.5, 1, 0, 2 },
        { 0.3, 5, 0, 2 },
        { 0.0, 100, 0, 0 },
        { -10.0, 0, 7, 70 },
        { 10.0, 7, 0, 70 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(PanStep(c.Speed, c.Last, c.Current), c.Expected)
            << c.Speed << " " << c.Last << " " << c.Current;
    EXPECT_EQ(PanStep(std::nan(""), 5, 0), 0);
    EXPECT_EQ(PanStep(INFINITY, 5, 0), 0);
    EXPECT_EQ(PanStep(1e300, 5, 0), std::numeric_limits<int64_t>::max());
}

TEST(MapToScreen, InvertsScreenToMapAndFollowsTheScrollPosition)
{
    MapViewState view = LargeMapView();
    ScrollBy(view, 40, 30);
    const MapPoint map { -100 + 40, -50 + 30 };
    EXPECT_EQ(MapToScreen(view, map), (MapPoint { 0, 0 }));
    EXPECT_EQ(ScreenToMap(view, { 0, 0 }), map);
    EXPECT_EQ(ScreenToMap(view, MapToScreen(view, { 123, -456 })), (MapPoint { 123, -456 }));
    EXPECT_EQ(VisibleMapRect(view), (MapRect { -60, -20, 340, 280 }));
}

TEST(ExposedRects, StripsUncoveredByAShift)
{
    MapViewState view = LargeMapView();
    using Rects = std::vector<MapRect>;
    EXPECT_EQ(ExposedRects(view, 0, 0), (Rects { { 0, 0, 400, 300 } }));
    EXPECT_EQ(ExposedRects(view, 400, 0), (Rects { { 0, 0, 400, 300 } }));
    EXPECT_EQ(ExposedRects(view, 0, -300), (Rects { { 0, 0, 400, 300 } }));
    EXPECT_EQ(ExposedRects(view, -10, 0), (Rects { { 390, 0, 400, 300 } }));
    EXPECT_EQ(ExposedRects(view, 10, 0), (Rects { { 0, 0, 10, 300 } }));
    EXPECT_EQ(ExposedRects(view, 0, 20), (Rects { { 0, 0, 400, 20 } }));
    EXPECT_EQ(ExposedRects(view, -10, -20), (Rects { { 0, 280, 400, 300 }, { 390, 0, 400, 280 } }));
    EXPECT_EQ(ExposedRects(view, 10, 20), (Rects { { 0, 0, 400, 20 }, { 0, 20, 10, 300 } }));
    view.ViewWidth = 0;
    EXPECT_TRUE(ExposedRects(view, 0, 0).empty());
}
