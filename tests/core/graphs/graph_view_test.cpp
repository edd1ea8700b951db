#include "graphs/graph_view.h"
#include "support/case_file.h"
#include "support/field_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace finplan {
namespace {

// Ten columns of 20 pixels from x = left; values -200 .. 800 over 300 pixels up from y 400.
PlotGeometry tenColumns(int left = 100) {
    return {left, 400, 200, 300, 20, 30, 1000.0f, -200.0f, 800.0f};
}

// A single graph of 30 years (index 0 is age 60, the scenario ends at 89), drawn once.
GraphView drawnView() {
    GraphView view;
    view.beginDrawing(29);
    view.setGeometry(0, tenColumns());
    return view;
}

GraphView fourGraphView() {
    GraphView view;
    view.beginDrawing(29);
    view.enterFourGraphView();
    view.setGeometry(1, tenColumns(0));
    view.setGeometry(2, tenColumns(400));
    view.setGeometry(3, tenColumns(800));
    return view;
}

// Columns and points under the mouse: tests/data/graphs/hit_tests.txt.
TEST(GraphHitTest, ColumnsAndPointsOfTheDataFile) {
    const GraphView view = drawnView();
    test::forEachCase("graphs/hit_tests.txt", "", 15, [&](const test::CaseLine& c) {
        const int x = std::stoi(c.input("x"));
        if (c.word == "column") {
            const PlotGeometry plot =
                c.inputOr("plot", "") == "none" ? PlotGeometry{} : tenColumns();
            EXPECT_EQ(columnAt(plot, x, std::stoi(c.input("start"))),
                      std::stoi(c.answer("column")));
            return;
        }
        const auto point = view.plotPointAt(x, std::stoi(c.input("y")));
        ASSERT_EQ(point.has_value(), c.answerOr("column", "") != "");
        if (point) {
            EXPECT_EQ(point->column, std::stoi(c.answer("column")));
            EXPECT_EQ(point->value, std::stof(c.answer("value")));
        }
    });
    const PlotGeometry plot = tenColumns();
    EXPECT_EQ(valueY(plot, 0.0f), 340);
    EXPECT_EQ(valueY(plot, 1.0f), 339); // 339.7 cut toward zero
}

TEST(GraphViewStyle, CounterStartsAtLinesAndCyclesThroughTheBars) {
    GraphView view = drawnView();
    EXPECT_EQ(view.styleCounter(), -1);
    EXPECT_TRUE(view.drawsLines());
    std::vector<std::pair<int, bool>> seen;
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(view.nextStyle());
        seen.emplace_back(view.styleCounter(), view.drawsLines());
    }
    EXPECT_EQ(seen, (std::vector<std::pair<int, bool>>{
                        {0, true}, {1, false}, {2, false}, {0, true}, {1, false}}));

    GraphView short_;
    short_.beginDrawing(1); // two years: always lines
    for (int i = 0; i < 3; ++i) {
        short_.nextStyle();
        EXPECT_EQ(short_.styleCounter(), 0);
    }
}

TEST(GraphViewStyle, ThreeDimensionalBarsDropTheZoom) {
    GraphView view = drawnView();
    view.markZoom(62, 500.0f);
    view.markZoom(70, 900.0f);
    view.applyZoom(60, 89.0f);
    view.hideLegend();
    view.nextStyle();
    view.nextStyle();
    EXPECT_TRUE(view.zoomed());
    view.nextStyle(); // 3-D
    EXPECT_EQ(view.style(), GraphStyle::Bars3D);
    EXPECT_FALSE(view.zoomed());
    test::expectFields({FIELD_IS(view.startIndex(), 0), FIELD_IS(view.visibleYears(), 30.0f),
                        FIELD_IS(view.zoomFirstAge(), 0)});
    EXPECT_EQ(view.legend(), LegendMode::BeforeSeries);
}

TEST(GraphViewZoom, TwoMarksThenApplyShowOnlyTheMarkedAges) {
    GraphView view = drawnView();
    EXPECT_EQ(view.markZoom(70, 5000.0f), ZoomMark::FirstCorner);
    EXPECT_EQ(view.markZoom(66, 8000.0f), ZoomMark::SecondCorner);
    EXPECT_TRUE(view.applyZoom(60, 89.0f));
    EXPECT_TRUE(view.zoomed());
    test::expectFields({FIELD_IS(view.zoomFirstAge(), 66), FIELD_IS(view.zoomLastAge(), 70),
                        FIELD_IS(view.startIndex(), 6), FIELD_IS(view.visibleYears(), 5.0f)});
    const AxisScale axis = view.axis({-50000.0f, 90000.0f}); // the second mark's height
    EXPECT_EQ(axis.min, 0.0f);
    EXPECT_EQ(axis.span, 8000.0f);
    view.beginDrawing(29); // a zoomed view keeps its years across drawings
    EXPECT_EQ(view.visibleYears(), 5.0f);
    EXPECT_EQ(view.plotPointAt(100, 300)->column, 6);

    // A third mark clears both ages; applying then only unzooms.
    view.hideLegend();
    EXPECT_EQ(view.markZoom(80, 1.0f), ZoomMark::Cleared);
    EXPECT_EQ(view.zoomFirstAge(), 0);
    view.applyZoom(60, 89.0f);
    EXPECT_FALSE(view.zoomed());
    EXPECT_EQ(view.visibleYears(), 30.0f);
    EXPECT_EQ(view.legend(), LegendMode::BeforeSeries);
}

TEST(GraphViewZoom, AFirstMarkAloneZoomsFromTheStartAge) {
    GraphView view = drawnView();
    view.markZoom(64, 700.0f);
    view.applyZoom(60, 89.0f);
    EXPECT_TRUE(view.zoomed());
    test::expectFields({FIELD_IS(view.startIndex(), 0), FIELD_IS(view.visibleYears(), 5.0f),
                        FIELD_IS(view.plotZoom().firstAge, 64),
                        FIELD_IS(view.plotZoom().lastAge, 0)});
}

TEST(GraphViewZoom, ShortRangesAndRangesPastTheEndAreDropped) {
    GraphView view = drawnView();
    view.markZoom(70, 1.0f);
    view.markZoom(70, 1.0f);
    view.applyZoom(60, 89.0f);
    test::expectFields({FIELD_IS(view.zoomed(), false), FIELD_IS(view.zoomFirstAge(), 0),
                        FIELD_IS(view.zoomLastAge(), 0)});

    view.markZoom(85, 1.0f);
    view.markZoom(90, 1.0f);
    view.applyZoom(60, 89.0f);
    EXPECT_FALSE(view.zoomed());
    EXPECT_EQ(view.zoomFirstAge(), 0);

    view.markZoom(88, 1.0f);
    view.markZoom(89, 1.0f); // two years ending at the end age
    view.applyZoom(60, 89.0f);
    EXPECT_TRUE(view.zoomed());
    EXPECT_EQ(view.startIndex(), 28);
}

TEST(GraphViewZoom, MarksNeedLinesOrTheIncomingOutgoingGraph) {
    GraphView view = drawnView();
    view.nextStyle();
    view.nextStyle(); // flat bars
    EXPECT_EQ(view.markZoom(65, 1.0f), ZoomMark::Ignored);
    view.showGraph(GraphKind::IncomingOutgoing);
    EXPECT_EQ(view.markZoom(65, 1.0f), ZoomMark::FirstCorner);
}

TEST(GraphViewBreakdown, DoubleClickOpensTheYearAndComesBack) {
    GraphView view = drawnView();
    view.showGraph(GraphKind::Outgoing);
    EXPECT_TRUE(view.toggleBreakdown(view.plotPointAt(165, 200)));
    EXPECT_EQ(view.kind(), GraphKind::Breakdown);
    EXPECT_EQ(view.previousKind(), GraphKind::Outgoing);
    EXPECT_EQ(view.selectedYear(), 3);
    EXPECT_FALSE(view.plotPointAt(165, 200)); // the pie has no columns
    view.toggleBreakdown(std::nullopt);
    EXPECT_EQ(view.kind(), GraphKind::Outgoing);
    // Outside the plot a time-series graph also goes back to the last breakdown's source.
    view.showGraph(GraphKind::Groups);
    view.toggleBreakdown(view.plotPointAt(10, 10));
    EXPECT_EQ(view.kind(), GraphKind::Outgoing);
}

TEST(GraphViewBreakdown, FourGraphViewOpensItInTheClickedQuadrant) {
    GraphView view = fourGraphView();
    EXPECT_EQ(view.styleCounter(), 0);
    EXPECT_EQ(view.plotPointAt(410, 300)->quadrant, 2);
    view.toggleBreakdown(view.plotPointAt(850, 300));
    EXPECT_EQ(view.kindIn(1), GraphKind::NetWorth);
    EXPECT_EQ(view.kindIn(2), GraphKind::Incoming);
    EXPECT_EQ(view.kindIn(3), GraphKind::Breakdown);
    EXPECT_EQ(view.selectedYear(), 2);
    EXPECT_FALSE(view.plotPointAt(850, 300));
}

TEST(GraphViewInput, ClickReadsTheValueAndKeysMoveTheLegend) {
    GraphView view = drawnView();
    EXPECT_EQ(view.selectAt(*view.plotPointAt(285, 394)), "-$180.00");
    EXPECT_EQ(view.selectedYear(), 9);
    EXPECT_EQ(readoutText(1234.5f), "$1,234.50");

    EXPECT_TRUE(view.toggleLegend());
    EXPECT_EQ(view.legend(), LegendMode::AfterSeries);
    view.toggleLegend();
    EXPECT_EQ(view.legend(), LegendMode::BeforeSeries);
    EXPECT_TRUE(view.hideLegend());
    EXPECT_EQ(view.legend(), LegendMode::Hidden);
    view.toggleLegend();
    EXPECT_EQ(view.legend(), LegendMode::BeforeSeries);

    view.toggleBreakdown(view.plotPointAt(120, 200));
    EXPECT_FALSE(view.hideLegend());
    view.toggleBreakdown(std::nullopt);
    view.enterFourGraphView();
    EXPECT_FALSE(view.toggleLegend());
}

TEST(GraphViewInput, NothingActsWhileBusy) {
    GraphView view = drawnView();
    view.setBusy(true);
    EXPECT_FALSE(view.nextStyle());
    EXPECT_EQ(view.markZoom(65, 1.0f), ZoomMark::Ignored);
    EXPECT_FALSE(view.toggleBreakdown(view.plotPointAt(120, 200)));
    EXPECT_FALSE(view.selectAt(*view.plotPointAt(120, 200)));
    EXPECT_FALSE(view.toggleLegend());
    EXPECT_EQ(view.styleCounter(), -1);
    EXPECT_EQ(view.kind(), GraphKind::NetWorth);
}

TEST(GraphViewInput, ArrowsMoveOneColumnThenOntoTheSamePlaceBeside) {
    GraphView view = fourGraphView();
    EXPECT_EQ(view.moveByColumn(5, 150, 1)->x, 25);
    EXPECT_EQ(view.selectedYear(), 1);
    const auto across = view.moveByColumn(195, 150, 1);
    ASSERT_TRUE(across);
    test::expectFields(
        {FIELD_IS(across->x, 595), FIELD_IS(across->y, 150), FIELD_IS(view.selectedYear(), 9)});
    EXPECT_FALSE(view.moveByColumn(595, 150, 1));  // nothing right of the top right plot
    EXPECT_FALSE(view.moveByColumn(805, 150, -1)); // beside the bottom right: the panel
    EXPECT_EQ(view.moveByColumn(405, 150, -1)->x, 5);
}

} // namespace
} // namespace finplan
