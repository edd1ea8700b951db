// The graph area's input through real mouse and key events: style cycling, the breakdown,
// zoom marks and their application, the value readout and what it restores, the pie
// readout, the cursor, the legend keys, the arrow keys and the busy guard.
#include "graphs/plot_geometry.h"
#include "gui/graphs/graph_pages.h"
#include "gui/graphs/graph_widget.h"
#include "render/graph_palette.h"
#include "render/graph_test_data.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace finplan::test {
namespace {

class GraphWidgetTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }

    // Twenty years from age 60: net worth rising from 100,000 by 10,000 a year.
    void open(int years = 20, bool fourGraph = false) {
        data.years(years, 60.0f, [](int i, YearResult& y) {
            y.netWorth = 100000.0f + 10000.0f * static_cast<float>(i);
            y.investment = 60000.0f;
            y.retirement = y.netWorth - 60000.0f;
            y.incoming = 50000.0f;
            y.outgoing = 40000.0f;
        });
        data.output.tables.ageTotals[static_cast<std::size_t>(AgeTotal::Investment)][65] = 60000;
        const gui::GraphPageSpec spec{fourGraph, GraphKind::NetWorth, 0, 0};
        widget.reset(gui::makeGraphPage(spec, view, data.source(), 0, nullptr));
        widget->resize(900, 600);
        widget->show();
        draw();
    }

    // Paints now, as the window system would, so that the plot geometry is known.
    void draw() {
        widget->repaint();
        QApplication::processEvents();
    }

    const PlotGeometry& plot(int quadrant = 0) const { return view.geometry(quadrant); }

    // The middle of a year's column at the height of a value.
    QPoint at(int column, float value, int quadrant = 0) const {
        const PlotGeometry& p = plot(quadrant);
        return {p.left + column * p.columnWidth + p.columnWidth / 2, valueY(p, value)};
    }

    void rightDoubleClick(QPoint where) {
        QTest::mouseDClick(widget.get(), Qt::RightButton, {}, where);
        draw();
    }
    // What the readout shows while the left button is held at a point.
    QStringList readoutAt(QPoint where) {
        QTest::mousePress(widget.get(), Qt::LeftButton, {}, where);
        const QStringList shown = widget->readout();
        QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, where);
        return shown;
    }
    void leftDoubleClick(QPoint where) {
        QTest::mouseDClick(widget.get(), Qt::LeftButton, {}, where);
        draw();
    }

    GraphData data;
    GraphView view;
    std::unique_ptr<gui::GraphWidget> widget;
};

TEST_F(GraphWidgetTest, RightDoubleClicksCycleLinesFlatAnd3DBars) {
    EXPECT_EQ(view.styleCounter(), -1);
    const QPoint where = at(5, 50000.0f);
    rightDoubleClick(where);
    EXPECT_EQ(view.styleCounter(), 0);
    EXPECT_TRUE(view.drawsLines());
    rightDoubleClick(where);
    EXPECT_EQ(view.style(), GraphStyle::FlatBars);
    EXPECT_FALSE(view.drawsLines());
    // The picture follows: net worth (150,000 at year 5) stands behind retirement savings
    // (90,000) as a bar filling its column.
    EXPECT_EQ(widget->canvas().pixelColor(at(5, 130000.0f)), rgb(kSeriesColors[1]));
    EXPECT_EQ(widget->canvas().pixelColor(at(5, 80000.0f)), rgb(kSeriesColors[4]));
    rightDoubleClick(where);
    EXPECT_EQ(view.style(), GraphStyle::Bars3D);
    rightDoubleClick(where);
    EXPECT_EQ(view.styleCounter(), 0);
}

TEST_F(GraphWidgetTest, LeftDoubleClickOpensTheBreakdownUnderItAndOutsideThePlotKeepsTheGraph) {
    leftDoubleClick(at(7, 50000.0f));
    EXPECT_EQ(view.kind(), GraphKind::Breakdown);
    EXPECT_EQ(view.previousKind(), GraphKind::NetWorth);
    EXPECT_EQ(view.selectedYear(), 7);
    // Anywhere on the chart goes back to the graph.
    leftDoubleClick(QPoint(20, 20));
    EXPECT_EQ(view.kind(), GraphKind::NetWorth);
    // Outside the plot a double-click keeps the graph.
    view.showGraph(GraphKind::Incoming);
    widget->refresh();
    draw();
    leftDoubleClick(QPoint(5, 5));
    EXPECT_EQ(view.kind(), GraphKind::Incoming);
}

TEST_F(GraphWidgetTest, ShiftClicksMarkTheZoomAndShiftRightClickAppliesIt) {
    QSignalSpy rerun(widget.get(), &gui::GraphWidget::rerunNeeded);
    const int columnBefore = plot().columnWidth;
    const QPoint first = at(3, 250000.0f);
    QTest::mouseClick(widget.get(), Qt::LeftButton, Qt::ShiftModifier, first);
    EXPECT_EQ(view.zoomFirstAge(), 63);
    ASSERT_EQ(widget->zoomCorners().size(), 1u);
    // The guide line runs from the corner down to the axis in the active caption colour.
    const QImage guides = widget->grab().toImage();
    EXPECT_EQ(guides.pixelColor(first.x(), (first.y() + plot().bottom) / 2),
              render::activeCaptionColor());

    QTest::mouseClick(widget.get(), Qt::LeftButton, Qt::ShiftModifier, at(8, 200000.0f));
    EXPECT_EQ(view.zoomLastAge(), 68);
    EXPECT_EQ(widget->zoomCorners().size(), 2u);
    EXPECT_EQ(rerun.count(), 0);

    QTest::mouseClick(widget.get(), Qt::RightButton, Qt::ShiftModifier, at(10, 0.0f));
    draw();
    EXPECT_TRUE(view.zoomed());
    EXPECT_EQ(view.startIndex(), 3);
    EXPECT_EQ(view.visibleYearCount(), 6);
    EXPECT_TRUE(widget->zoomCorners().empty());
    EXPECT_EQ(rerun.count(), 1);
    EXPECT_GT(plot().columnWidth, columnBefore);
    EXPECT_NEAR(plot().span, 200000.0f, 1000.0f);

    // The 3-D style cannot keep a zoom: it goes, and the plot file must be written anew.
    rightDoubleClick(at(2, 0.0f));
    rightDoubleClick(at(2, 0.0f));
    rightDoubleClick(at(2, 0.0f));
    EXPECT_FALSE(view.zoomed());
    EXPECT_EQ(rerun.count(), 2);
}

TEST_F(GraphWidgetTest, ReadoutShowsTheValueAndRestoresOnlyTheAreaUnderIt) {
    const QImage before = widget->canvas().copy();
    const QPoint where = at(16, 180000.0f);
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, where);
    ASSERT_EQ(widget->readout().size(), 1);
    EXPECT_EQ(widget->readout()[0], qtext(readoutText(valueAt(plot(), where.y()))));
    EXPECT_TRUE(widget->readout()[0].startsWith(QStringLiteral("$1")));
    EXPECT_EQ(view.selectedYear(), 16);
    const QRect saved = widget->readoutSavedArea();
    EXPECT_EQ(saved.width(), 600);
    EXPECT_GE(saved.height(), 3 * screenMetrics(0).lineHeight);
    const QImage during = widget->canvas().copy();
    EXPECT_NE(during.copy(saved), before.copy(saved));
    // Nothing outside the saved area was touched.
    QImage outside = during;
    for (int y = saved.top(); y <= saved.bottom(); ++y) {
        for (int x = saved.left(); x <= saved.right(); ++x) {
            outside.setPixelColor(x, y, before.pixelColor(x, y));
        }
    }
    EXPECT_EQ(outside, before);

    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, where);
    EXPECT_TRUE(widget->readout().isEmpty());
    EXPECT_EQ(widget->canvas(), before);
}

TEST_F(GraphWidgetTest, ClickOnThePieReadsTheSliceUnderIt) {
    leftDoubleClick(at(5, 50000.0f));
    ASSERT_EQ(view.kind(), GraphKind::Breakdown);
    ASSERT_TRUE(widget->drawn().pies[0]);
    const render::PieGeometry& pie = *widget->drawn().pies[0];
    ASSERT_TRUE(pie.pieDrawn);
    // Year 5: investment 60,000 of 150,000 runs clockwise from 3 o'clock to 144 degrees,
    // retirement 90,000 the rest: below the centre is investment, above it retirement.
    EXPECT_EQ(readoutAt(QPoint(pie.centreX, pie.centreY + pie.radius / 2)),
              (QStringList{QStringLiteral("Investment Accounts"), QStringLiteral("$60,000.00")}));
    EXPECT_EQ(readoutAt(QPoint(pie.centreX, pie.centreY - pie.radius / 2)),
              (QStringList{QStringLiteral("Retirement Accounts"), QStringLiteral("$90,000.00")}));
    // A legend row names its slice too.
    EXPECT_EQ(readoutAt(pie.legendRows[2].center()).value(0),
              QStringLiteral("Retirement Accounts"));
}

TEST_F(GraphWidgetTest, CursorIsACrossOverThePlotAndAnArrowElsewhere) {
    QTest::mouseMove(widget.get(), at(6, 50000.0f));
    EXPECT_EQ(widget->cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(widget.get(), QPoint(3, 3));
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
    leftDoubleClick(at(6, 50000.0f));
    const render::PieGeometry& pie = *widget->drawn().pies[0];
    QTest::mouseMove(widget.get(), QPoint(pie.centreX + 5, pie.centreY + 5));
    EXPECT_EQ(widget->cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(widget.get(), pie.legendRows[0].center());
    EXPECT_EQ(widget->cursor().shape(), Qt::CrossCursor);
}

TEST_F(GraphWidgetTest, KeysLAndNMoveAndHideTheLegend) {
    EXPECT_EQ(view.legend(), LegendMode::BeforeSeries);
    for (const auto& [key, legend] :
         {std::pair{Qt::Key_L, LegendMode::AfterSeries},
          std::pair{Qt::Key_L, LegendMode::BeforeSeries}, std::pair{Qt::Key_N, LegendMode::Hidden},
          std::pair{Qt::Key_L, LegendMode::BeforeSeries}}) {
        QTest::keyClick(widget.get(), key);
        draw();
        EXPECT_EQ(view.legend(), legend);
    }
}

TEST_F(GraphWidgetTest, ArrowKeysStepTheCursorByColumnsAcrossTheQuadrants) {
    open(20, true);
    ASSERT_TRUE(view.fourGraphView());
    EXPECT_EQ(view.legend(), LegendMode::BeforeSeries);
    QTest::keyClick(widget.get(), Qt::Key_N); // no legends in the four-graph view
    EXPECT_EQ(view.legend(), LegendMode::BeforeSeries);

    const QPoint start = at(4, 50000.0f, 1);
    QTest::mouseMove(widget.get(), start);
    QTest::keyClick(widget.get(), Qt::Key_Right);
    EXPECT_EQ(view.selectedYear(), 5);
    EXPECT_EQ(widget->cursorPosition(), start + QPoint(plot(1).columnWidth, 0));
    QTest::keyClick(widget.get(), Qt::Key_Left);
    QTest::keyClick(widget.get(), Qt::Key_Left);
    EXPECT_EQ(view.selectedYear(), 3);

    // From the last column of the net worth plot on into the incoming plot beside it.
    const QPoint last = at(19, 50000.0f, 1);
    QTest::mouseMove(widget.get(), last);
    QTest::keyClick(widget.get(), Qt::Key_Right);
    EXPECT_EQ(widget->cursorQuadrant(), 2);
    EXPECT_EQ(widget->cursorPosition().x(), plot(2).left + (last.x() - plot(1).left));
}

TEST_F(GraphWidgetTest, ClickInAQuadrantShowsItsYearInTheSummaryPanel) {
    open(20, true);
    const QPoint where = at(5, 40000.0f, 2);
    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, where);
    draw();
    EXPECT_EQ(view.selectedYear(), 5);
    EXPECT_EQ(widget->drawn().summary, SummaryBlockKind::Incoming);
}

TEST_F(GraphWidgetTest, NothingActsWhileBusy) {
    widget->setBusy(true);
    rightDoubleClick(at(5, 50000.0f));
    EXPECT_EQ(view.styleCounter(), -1);
    leftDoubleClick(at(5, 50000.0f));
    EXPECT_EQ(view.kind(), GraphKind::NetWorth);
    EXPECT_TRUE(readoutAt(at(5, 50000.0f)).isEmpty());
    QTest::keyClick(widget.get(), Qt::Key_N);
    EXPECT_EQ(view.legend(), LegendMode::BeforeSeries);
    widget->setBusy(false);
    QTest::keyClick(widget.get(), Qt::Key_N);
    EXPECT_EQ(view.legend(), LegendMode::Hidden);
}

TEST_F(GraphWidgetTest, PagesAreNamedAndSetTheViewToTheirGraph) {
    data.years(5, 60.0f, [](int, YearResult&) {});
    for (int i = 0; i < 12; ++i) {
        data.account(i, "Account " + std::to_string(i), std::to_string(i + 10));
    }
    const auto page = [&](int tab) {
        return std::unique_ptr<gui::GraphWidget>(
            gui::makeGraphPage(*gui::graphPageForTab(tab, 12), view, data.source(), 700, nullptr));
    };
    EXPECT_EQ(page(0)->objectName(), QStringLiteral("summaryGraphs"));
    EXPECT_TRUE(view.fourGraphView());
    EXPECT_EQ(page(6)->objectName(), QStringLiteral("incomingGraph"));
    EXPECT_FALSE(view.fourGraphView());
    EXPECT_EQ(view.kind(), GraphKind::Incoming);
    EXPECT_EQ(page(10)->objectName(), QStringLiteral("accountsGraph2"));
    EXPECT_EQ(view.kind(), GraphKind::Accounts);
    const auto block = gui::graphPageForTab(10, 12);
    EXPECT_EQ(block->firstAccount, 10);
    EXPECT_EQ(block->endAccount, 12);
    EXPECT_FALSE(gui::graphPageForTab(11, 12));
    EXPECT_FALSE(gui::graphPageForTab(3, 12)); // the results page
}

} // namespace
} // namespace finplan::test
