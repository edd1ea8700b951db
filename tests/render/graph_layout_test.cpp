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
    } else if (c.word == "layout") {
        const std::vector<float> v = numbers(c.input("text"));
        const auto t = [&v](std::size_t i) { return static_cast<int>(v[i]); };
        const render::PlotLayout p = render::layoutPlot({{0, 0, in("width"), in("height")},
                                                         {t(0), t(1), t(2), t(3)},
                                                         in("tick"),
                                                         in("labels"),
                                                         in("years"),
                                                         c.input("bars3d") == "yes",
                                                         render::PlotPlacement::Single});
        out << p.left << ' ' << p.reserve3D << ' ' << p.columnWidth << ' ' << p.width << ' '
            << p.depth << ' ' << p.gridStep << ' ' << p.height << ' ' << p.bottom;
    } else {
        // Frames on a page of the given size with margins of 100, 100, 50 and 100 pixels.
        const QRect page(0, 0, in("width"), in("height"));
        const QMargins margins(100, 100, 50, 100);
        std::vector<FrameRect> frames;
        if (c.word == "quadrants") {
            const auto four = render::fourGraphQuadrants(in("width"), in("height"));
            frames.assign(four.begin(), four.end());
        } else if (c.word == "printed-frame") {
            frames.push_back(render::printedGraphFrame(page, margins));
        } else if (c.word == "printed-four") {
            const auto four = render::printedFourGraphFrames(page, margins, in("line"));
            frames.assign(four.begin(), four.end());
        }
        for (const FrameRect& f : frames) {
            out << (out.tellp() > 0 ? ", " : "") << f.left << ' ' << f.top << ' ' << f.right << ' '
                << f.bottom;
        }
    }
    return out.str();
}

TEST(GraphLayout, LabelsBarOrderLighteningAndQuadrantsAsTheCaseFileHasThem) {
    const std::vector<CaseLine> cases = readCases("render/labels_and_bars.txt");
    ASSERT_EQ(cases.size(), 32u);
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

} // namespace
} // namespace finplan::test
