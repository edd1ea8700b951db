// The geometry the graph rules fix: plot height, columns, zero line, label strides, the
// four-graph and printed layouts, and the small texts and colours the drawing is made of.
#include "graph_test_data.h"
#include "graphs/plot_geometry.h"
#include "render/graph_palette.h"
#include "render/plot_layout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace finplan::test {
namespace {

using render::FrameRect;

GraphData rising(int years, float startAge = 30.0f) {
    GraphData data;
    data.years(years, startAge, [](int i, YearResult& y) {
        y.investment = 10000.0f + 1000.0f * static_cast<float>(i);
        y.netWorth = y.investment;
    });
    return data;
}

GraphView viewOf(GraphKind kind, int styleClicks = 0) {
    GraphView view;
    view.showGraph(kind);
    view.beginDrawing(40);
    for (int i = 0; i < styleClicks; ++i) {
        view.nextStyle();
    }
    return view;
}

// --- single graph on screen

TEST(GraphLayout, FlatPlotIsTenWholeGridStepsAboveSixLines) {
    for (const auto& [width, height] : {std::pair{640, 480}, {801, 613}, {1000, 777}}) {
        const GraphData data = rising(41);
        GraphView view = viewOf(GraphKind::NetWorth);
        drawOnScreen(view, data, width, height);
        const PlotGeometry& plot = view.geometry(0);
        const int lh = screenMetrics(height).lineHeight;
        EXPECT_EQ(plot.height, plot.gridStep * 10);
        EXPECT_EQ(plot.gridStep, (height - 8 * lh) / 10) << width << "x" << height;
        EXPECT_EQ(plot.bottom, height - 6 * lh);
    }
}

TEST(GraphLayout, ColumnsShareThePlotWidthEvenly) {
    const int width = 900;
    const GraphData data = rising(41);
    GraphView view = viewOf(GraphKind::NetWorth);
    drawOnScreen(view, data, width, 600);
    const PlotGeometry& plot = view.geometry(0);
    const int cw = screenMetrics(600).charWidth;
    EXPECT_EQ(plot.columnWidth, (width - plot.left - 2 * cw) / 41);
    EXPECT_EQ(plot.width, plot.columnWidth * 41);
}

TEST(GraphLayout, ThreeDPlotKeepsRoomForTheBackWall) {
    const int width = 900;
    const int height = 600;
    const GraphData data = rising(41);
    GraphView view = viewOf(GraphKind::NetWorth, 3); // lines, bars, 3-D
    ASSERT_EQ(view.style(), GraphStyle::Bars3D);
    drawOnScreen(view, data, width, height);
    const PlotGeometry& plot = view.geometry(0);
    const render::TextMetrics text = screenMetrics(height);
    const float backRight =
        static_cast<float>(plot.left + plot.width) + 1.3f * static_cast<float>(plot.columnWidth);
    EXPECT_LT(backRight, static_cast<float>(width - 2 * text.charWidth));
    EXPECT_EQ(plot.height, plot.gridStep * 10);
    EXPECT_LE(plot.height, height - 7 * text.lineHeight);
    EXPECT_EQ(plot.bottom, height - 5 * text.lineHeight);
}

TEST(GraphLayout, ReserveGrowsByCharacterWidthsUntilTheDepthFits) {
    // Line height 10, character width 8, labels 60 wide, three years in 500 x 400.
    const render::PlotLayoutInput in{
        {0, 0, 500, 400}, {10, 8, 10, 8}, 4, 60, 3, true, render::PlotPlacement::Single};
    const render::PlotLayout plot = render::layoutPlot(in);
    // Left = 60 + tick 4 + 8 + 8 = 80. The back wall must end before 500 - 16: with columns
    // c, 80 + 3c + 1.3c < 484 needs c <= 93, which 16 character widths of reserve give
    // (room 404 - 128 = 276, c = 92) and 15 do not (room 284, c = 94).
    EXPECT_EQ(plot.left, 80);
    EXPECT_EQ(plot.reserve3D, 128);
    EXPECT_EQ(plot.columnWidth, 92);
    EXPECT_EQ(plot.width, 276);
    EXPECT_EQ(plot.depth, 119);
    // The height gives up seven lines and the reserve: (400 - 70 - 128) / 10 steps of 20.
    EXPECT_EQ(plot.gridStep, 20);
    EXPECT_EQ(plot.height, 200);
    EXPECT_EQ(plot.bottom, 350);
}

TEST(GraphLayout, SingleVisibleYearIsOneColumnAsWideAsThePlot) {
    const GraphData data = rising(1);
    GraphView view = viewOf(GraphKind::NetWorth);
    drawOnScreen(view, data, 800, 600);
    const PlotGeometry& plot = view.geometry(0);
    EXPECT_EQ(view.visibleYearCount(), 1);
    EXPECT_EQ(plot.columnWidth, plot.width);
    EXPECT_EQ(plot.width, 800 - plot.left - 2 * screenMetrics(600).charWidth);
    EXPECT_EQ(render::ageLabelStride(1, screenMetrics(600).charWidth, plot.width), 1);
}

TEST(GraphLayout, ZeroLineFallsOnAGridLineBelowWhichNegativeValuesLie) {
    GraphData data;
    data.years(20, 50.0f, [](int i, YearResult& y) {
        y.netWorth = -30000.0f + 4000.0f * static_cast<float>(i);
        y.investment = 20000.0f;
    });
    GraphView view = viewOf(GraphKind::NetWorth);
    const DrawnImage shot = drawOnScreen(view, data, 800, 600);
    const PlotGeometry& plot = view.geometry(0);
    ASSERT_LT(plot.min, 0.0f);
    const int zeroY = valueY(plot, 0.0f);
    EXPECT_EQ(zeroY,
              static_cast<int>(static_cast<float>(plot.bottom) -
                               (0.0f - plot.min) / plot.span * static_cast<float>(plot.height)));
    EXPECT_EQ((plot.bottom - zeroY) % plot.gridStep, 0);
    EXPECT_GT(zeroY, plot.bottom - plot.height);
    EXPECT_LT(zeroY, plot.bottom);
    // The zero line is the axis ink across the plot, also between the year ticks.
    EXPECT_EQ(pixel(shot.image, plot.left + plot.width / 2 + 3, zeroY), QColor(0, 0, 0));
}

// --- labels

TEST(GraphLayout, AgeLabelStrideGrowsByTwoUntilThreeCharactersALabelFit) {
    // Sixty years of labels need 60 x 3 x 8 = 1440 pixels; a narrow window thins them out
    // to every third, fifth, seventh year as the count is halved.
    EXPECT_EQ(render::ageLabelStride(60, 8, 1440), 1);
    EXPECT_EQ(render::ageLabelStride(60, 8, 1439), 3);
    EXPECT_EQ(render::ageLabelStride(60, 8, 719), 5);
    EXPECT_EQ(render::ageLabelStride(60, 8, 300), 7);
    EXPECT_EQ(render::ageLabelStride(60, 8, 100), 9);
}

TEST(GraphLayout, SixtyYearsInANarrowWindowThinTheAgeLabelsToFit) {
    const GraphData data = rising(60);
    GraphView view = viewOf(GraphKind::NetWorth);
    drawOnScreen(view, data, 400, 300);
    const PlotGeometry& plot = view.geometry(0);
    const int cw = screenMetrics(300).charWidth;
    // Whatever the font, the labels kept must fit where all sixty did not.
    ASSERT_GT(60 * 3 * cw, plot.width);
    const int stride = render::ageLabelStride(60, cw, plot.width);
    EXPECT_GT(stride, 1);
    EXPECT_EQ(stride % 2, 1);
    int kept = 60;
    for (int s = 1; s < stride; s += 2) {
        kept /= 2;
    }
    EXPECT_LE(kept * 3 * cw, plot.width);
}

TEST(GraphLayout, ValueLabelStrideHalvesTheLabelsUntilTheyFit) {
    EXPECT_EQ(render::valueLabelStride(15, 150), 1); // 10 labels of 15 fit 150
    EXPECT_EQ(render::valueLabelStride(15, 149), 2); // then every second
    EXPECT_EQ(render::valueLabelStride(15, 40), 3);  // 5 x 15 > 40, 2 x 15 fits
    EXPECT_EQ(render::valueLabelStride(15, 10), 5);  // even one does not fit
}

TEST(GraphLayout, ValueLabelsAreMoneyWithoutCents) {
    EXPECT_EQ(render::valueLabel(20000.0f), "$20,000");
    EXPECT_EQ(render::valueLabel(1234567.0f), "$1,234,567");
    EXPECT_EQ(render::valueLabel(-5000.0f), "-$5,000");
    EXPECT_EQ(render::valueLabel(0.6f), "$0");
    EXPECT_EQ(render::valueLabel(0.0f), "0");
    EXPECT_EQ(render::valueLabel(-0.001f), "0");
    EXPECT_EQ(render::ageLabel(7), "7");
    EXPECT_EQ(render::ageLabel(104), "104");
}

// --- bars

TEST(GraphLayout, BarsAreDrawnLargestFirstAndEqualNeighboursChangePlaces) {
    using Order = std::vector<std::size_t>;
    EXPECT_EQ(render::barOrder({1.0f, 3.0f, 2.0f}), (Order{1, 2, 0}));
    EXPECT_EQ(render::barOrder({-4.0f, 2.0f}), (Order{0, 1}));
    EXPECT_EQ(render::barOrder({2.0f, -2.0f}), (Order{1, 0}));
    EXPECT_EQ(render::barOrder({5.0f, 5.0f, 1.0f}), (Order{0, 1, 2}));
    EXPECT_TRUE(render::barOrder({}).empty());
}

// --- the four-graph view and paper

TEST(GraphLayout, FourGraphQuadrantsLeaveSixPixelMargins) {
    const auto q = render::fourGraphQuadrants(1000, 700);
    const auto same = [](const FrameRect& f, int l, int t, int r, int b) {
        return f.left == l && f.top == t && f.right == r && f.bottom == b;
    };
    EXPECT_TRUE(same(q[0], 0, 0, 494, 332));
    EXPECT_TRUE(same(q[1], 500, 0, 994, 332));
    EXPECT_TRUE(same(q[2], 500, 344, 994, 694));
    EXPECT_TRUE(same(q[3], 0, 344, 494, 694));
}

TEST(GraphLayout, FourGraphPlotsGiveFourLinesToLabelsAndTitle) {
    const GraphData data = rising(41);
    GraphView view;
    view.enterFourGraphView();
    drawOnScreen(view, data, 1000, 700);
    const int lh = screenMetrics(700).lineHeight;
    const auto quadrants = render::fourGraphQuadrants(1000, 700);
    for (int q = 1; q <= 3; ++q) {
        const FrameRect& f = quadrants[static_cast<std::size_t>(q - 1)];
        const PlotGeometry& plot = view.geometry(q);
        EXPECT_EQ(plot.bottom, f.bottom - 3 * lh) << q;
        EXPECT_EQ(plot.height, ((f.height() - 4 * lh) / 10) * 10) << q;
        EXPECT_EQ(plot.width, plot.columnWidth * 41) << q;
    }
}

TEST(GraphLayout, PrintedSingleGraphIsLandscapeShapedOnAPortraitPage) {
    const QMargins margins(100, 100, 50, 100);
    const FrameRect portrait = render::printedGraphFrame(QRect(0, 0, 850, 1100), margins);
    EXPECT_EQ(portrait.left, 100);
    EXPECT_EQ(portrait.top, 100);
    EXPECT_EQ(portrait.right, 800);
    EXPECT_EQ(portrait.bottom, 850 * 850 / 1100 - 100);
    const FrameRect landscape = render::printedGraphFrame(QRect(0, 0, 1100, 850), margins);
    EXPECT_EQ(landscape.right, 1050);
    EXPECT_EQ(landscape.bottom, 750);
}

TEST(GraphLayout, PrintedFourGraphPageKeepsFiveLinesForTheCaptions) {
    const auto f =
        render::printedFourGraphFrames(QRect(0, 0, 850, 1100), QMargins(100, 100, 50, 100), 20);
    // Inside the margins 100..800 by 100..1000, less five lines of 20 for the captions:
    // 700 x 800, halved with 6-pixel gaps.
    EXPECT_EQ(f[0].left, 100);
    EXPECT_EQ(f[0].top, 100);
    EXPECT_EQ(f[0].right, 444);
    EXPECT_EQ(f[0].bottom, 494);
    EXPECT_EQ(f[1].left, 450);
    EXPECT_EQ(f[1].right, 794);
    EXPECT_EQ(f[2].top, 500);
    EXPECT_EQ(f[2].bottom, 894);
    EXPECT_EQ(f[3].left, 100);
    EXPECT_EQ(f[3].top, 500);
}

// --- colours and pages

TEST(GraphLayout, LightenColorLiftsByAThirdOfTheRoomLeft) {
    EXPECT_EQ(render::lightenColor(QColor(192, 192, 192), true), QColor(213, 213, 213));
    EXPECT_EQ(render::lightenColor(QColor(100, 150, 200), true), QColor(118, 168, 218));
    EXPECT_EQ(render::lightenColor(QColor(192, 192, 192), false), QColor(192, 192, 192));
    // Without blue there is nothing to lighten, and white has no room.
    EXPECT_EQ(render::lightenColor(QColor(200, 100, 0), true), QColor(200, 100, 0));
    EXPECT_EQ(render::lightenColor(QColor(255, 255, 255), true), QColor(255, 255, 255));
}

} // namespace
} // namespace finplan::test
