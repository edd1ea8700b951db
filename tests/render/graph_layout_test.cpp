// The geometry the graph rules fix: plot height, columns, zero line, label strides, the
// four-graph and printed layouts, and the small texts and colours the drawing is made of.
#include "graph_test_data.h"
#include "graphs/plot_geometry.h"
#include "render/graph_palette.h"
#include "render/plot_layout.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <sstream>

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

// --- labels, bars and colours

// The words of a text as numbers.
std::vector<float> numbers(const std::string& text) {
    std::vector<float> values;
    std::istringstream in(text);
    for (float v = 0; in >> v;) {
        values.push_back(v);
    }
    return values;
}

// One call of a small drawing rule as text, as the case file words it.
std::string answer(const CaseLine& c) {
    const auto in = [&c](const char* key) { return std::stoi(c.input(key)); };
    std::ostringstream out;
    if (c.word == "age-stride") {
        out << render::ageLabelStride(in("years"), in("char"), in("width"));
    } else if (c.word == "value-stride") {
        out << render::valueLabelStride(in("line"), in("height"));
    } else if (c.word == "value-label") {
        out << render::valueLabel(std::stof(c.input("value")));
    } else if (c.word == "age-label") {
        out << render::ageLabel(in("age"));
    } else if (c.word == "bar-order") {
        for (const std::size_t i : render::barOrder(numbers(c.input("values")))) {
            out << (out.tellp() > 0 ? " " : "") << i;
        }
    } else if (c.word == "lighten") {
        const std::vector<float> v = numbers(c.input("rgb"));
        const QColor color = render::lightenColor(
            QColor(static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2])),
            c.input("on") == "yes");
        out << color.red() << ' ' << color.green() << ' ' << color.blue();
    } else if (c.word == "quadrants") {
        for (const FrameRect& f : render::fourGraphQuadrants(in("width"), in("height"))) {
            out << (out.tellp() > 0 ? ", " : "") << f.left << ' ' << f.top << ' ' << f.right << ' '
                << f.bottom;
        }
    }
    return out.str();
}

TEST(GraphLayout, LabelsBarOrderLighteningAndQuadrantsAsTheCaseFileHasThem) {
    const std::vector<CaseLine> cases = readCases("render/labels_and_bars.txt");
    ASSERT_EQ(cases.size(), 28u);
    for (const CaseLine& c : cases) {
        EXPECT_EQ(answer(c), c.answer("is")) << c.where;
    }
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

} // namespace
} // namespace finplan::test
