// Pixels of drawn graphs: series colours where bars and slices must be, the grid's grey on
// its lines, bars of a negative net worth below the zero line, the pie's slices, the summary
// panel and the printed page.
#include "graph_test_data.h"
#include "graphs/plot_geometry.h"
#include "graphs/series_colors.h"
#include "render/graph_palette.h"
#include "render/plot_layout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace finplan::test {
namespace {

const QColor kBlue = rgb(kSeriesColors[1]);   // net worth, first series
const QColor kRed = rgb(kSeriesColors[2]);    // investment, second series
const QColor kPurple = rgb(kSeriesColors[4]); // retirement, fourth series
const QColor kGrey = rgb(kSeriesColors[kGridColor]);
const QColor kWhite(255, 255, 255);

GraphView styled(GraphKind kind, int clicks, int lastYearIndex) {
    GraphView view;
    view.showGraph(kind);
    view.beginDrawing(lastYearIndex);
    for (int i = 0; i < clicks; ++i) {
        view.nextStyle();
    }
    return view;
}

// Three nested amounts every year: net worth 150,000 of which 100,000 investment and
// 50,000 retirement savings.
GraphData nested(int years = 10) {
    GraphData data;
    data.years(years, 40.0f, [](int, YearResult& y) {
        y.investment = 100000.0f;
        y.retirement = 50000.0f;
        y.netWorth = 150000.0f;
    });
    return data;
}

TEST(GraphRender, FlatBarsStackSmallerInFrontOfLarger) {
    const GraphData data = nested();
    GraphView view = styled(GraphKind::NetWorth, 2, 9);
    ASSERT_EQ(view.style(), GraphStyle::FlatBars);
    const DrawnImage shot = drawOnScreen(view, data, 800, 600);
    const PlotGeometry& plot = view.geometry(0);
    const int x = plot.left + 4 * plot.columnWidth + plot.columnWidth / 2;
    EXPECT_EQ(pixel(shot.image, x, valueY(plot, 125000.0f)), kBlue);
    EXPECT_EQ(pixel(shot.image, x, valueY(plot, 75000.0f)), kRed);
    EXPECT_EQ(pixel(shot.image, x, valueY(plot, 25000.0f)), kPurple);
    // Above the tallest bar the column is empty.
    EXPECT_EQ(pixel(shot.image, x, valueY(plot, 175000.0f)), kWhite);
    // Each bar is outlined in black on its left edge.
    EXPECT_EQ(pixel(shot.image, plot.left + 4 * plot.columnWidth, valueY(plot, 125000.0f)),
              QColor(0, 0, 0));
}

TEST(GraphRender, GridLinesAreGreyBetweenTheSeries) {
    const GraphData data = nested();
    GraphView view = styled(GraphKind::NetWorth, 0, 9);
    const DrawnImage shot = drawOnScreen(view, data, 800, 600);
    const PlotGeometry& plot = view.geometry(0);
    // The top grid line (the axis goes to 200,000) and a vertical line between two years,
    // both well away from every series line.
    const int mid = plot.left + 5 * plot.columnWidth + plot.columnWidth / 2;
    EXPECT_EQ(pixel(shot.image, mid, plot.bottom - 10 * plot.gridStep), kGrey);
    EXPECT_EQ(pixel(shot.image, plot.left + 6 * plot.columnWidth, valueY(plot, 180000.0f)), kGrey);
    // Between grid lines the plot is the background.
    EXPECT_EQ(pixel(shot.image, mid, plot.bottom - 10 * plot.gridStep + plot.gridStep / 2), kWhite);
}

TEST(GraphRender, FlowGraphLinesStopAYearEarly) {
    GraphData data;
    data.years(10, 40.0f, [](int, YearResult& y) {
        y.incoming = 60000.0f;
        y.outgoing = 30000.0f;
    });
    GraphView view = styled(GraphKind::IncomingOutgoing, 0, 9);
    const DrawnImage shot = drawOnScreen(view, data, 800, 600);
    const PlotGeometry& plot = view.geometry(0);
    const int y = valueY(plot, 60000.0f);
    // Points at years 0..8 only: the line ends at the column of the ninth year.
    EXPECT_EQ(pixel(shot.image, plot.left + 7 * plot.columnWidth + plot.columnWidth / 2, y), kBlue);
    EXPECT_NE(pixel(shot.image, plot.left + 8 * plot.columnWidth + plot.columnWidth / 2, y), kBlue);
}

TEST(GraphRender, ZeroRunsDrawNoLine) {
    GraphData data;
    data.years(10, 40.0f, [](int i, YearResult& y) {
        y.netWorth = i < 5 ? 0.0f : 80000.0f;
        y.investment = 40000.0f;
    });
    GraphView view = styled(GraphKind::NetWorth, 0, 9);
    const DrawnImage shot = drawOnScreen(view, data, 800, 600);
    const PlotGeometry& plot = view.geometry(0);
    const int zeroY = valueY(plot, 0.0f);
    // The zero years of net worth leave the zero line black; the other series that are zero
    // throughout draw nothing over it either.
    EXPECT_EQ(pixel(shot.image, plot.left + 2 * plot.columnWidth + plot.columnWidth / 2, zeroY),
              QColor(0, 0, 0));
    // From the last zero year the line climbs to 80,000.
    const int x = plot.left + 4 * plot.columnWidth + plot.columnWidth / 2;
    const int climbY = valueY(plot, 40000.0f);
    bool blue = false;
    for (int dy = -3; dy <= 3; ++dy) {
        blue = blue || pixel(shot.image, x, climbY + dy) == kBlue;
    }
    EXPECT_TRUE(blue);
}

TEST(GraphRender, NegativeNetWorthBarsHangBelowTheZeroLine) {
    GraphData data;
    data.years(10, 40.0f, [](int, YearResult& y) { y.netWorth = -60000.0f; });
    GraphView view = styled(GraphKind::NetWorth, 2, 9);
    const DrawnImage shot = drawOnScreen(view, data, 800, 600);
    const PlotGeometry& plot = view.geometry(0);
    const int zeroY = valueY(plot, 0.0f);
    const int x = plot.left + 3 * plot.columnWidth + plot.columnWidth / 2;
    EXPECT_EQ(pixel(shot.image, x, valueY(plot, -30000.0f)), kBlue);
    EXPECT_EQ(pixel(shot.image, x, valueY(plot, -60000.0f) - 2), kBlue);
    EXPECT_NE(pixel(shot.image, x, valueY(plot, -60000.0f) + 3), kBlue);
    EXPECT_NE(pixel(shot.image, x, zeroY - 5), kBlue);
}

TEST(GraphRender, NegativeThreeDBarsHaveTheirTopOnTheZeroLine) {
    GraphData data;
    data.years(10, 40.0f, [](int, YearResult& y) { y.netWorth = -60000.0f; });
    GraphView view = styled(GraphKind::NetWorth, 3, 9);
    ASSERT_EQ(view.style(), GraphStyle::Bars3D);
    const DrawnImage shot = drawOnScreen(view, data, 900, 600);
    const PlotGeometry& plot = view.geometry(0);
    const int zeroY = valueY(plot, 0.0f);
    // Net worth is the largest of six series: it stands at the back.
    const render::BarDepth depth = render::barDepth(0, 6, plot.columnWidth);
    const int x = plot.left + 3 * plot.columnWidth + depth.offset + plot.columnWidth / 2;
    // Front face from the zero line down, the top face just above the zero line.
    EXPECT_EQ(pixel(shot.image, x, valueY(plot, -30000.0f) - depth.offset), kBlue);
    EXPECT_EQ(pixel(shot.image, x, zeroY - depth.offset - depth.unit / 2), kBlue);
    EXPECT_NE(pixel(shot.image, x, zeroY - depth.offset - depth.unit - 4), kBlue);
}

TEST(GraphRender, ZoomClipsTheSeriesToThePlot) {
    const GraphData data = nested(20);
    GraphView view = styled(GraphKind::NetWorth, 0, 19);
    view.markZoom(42, 120000.0f);
    view.markZoom(50, 120000.0f);
    ASSERT_TRUE(view.applyZoom(40, 60.0f));
    ASSERT_TRUE(view.zoomed());
    const DrawnImage shot = drawOnScreen(view, data, 800, 600);
    const PlotGeometry& plot = view.geometry(0);
    EXPECT_EQ(view.visibleYearCount(), 9);
    EXPECT_FLOAT_EQ(plot.span, 120000.0f);
    // Net worth (150,000) lies above the zoom top: nothing of it shows above the plot.
    const int x = plot.left + 4 * plot.columnWidth;
    for (int y = 0; y < plot.bottom - plot.height; ++y) {
        ASSERT_NE(pixel(shot.image, x, y), kBlue) << y;
    }
    EXPECT_EQ(pixel(shot.image, x + plot.columnWidth / 2, valueY(plot, 100000.0f)), kRed);
}

// Investment three quarters, retirement one quarter of the net worth.
GraphData threeToOne() {
    GraphData data;
    data.years(5, 60.0f, [](int, YearResult& y) {
        y.investment = 75000.0f;
        y.retirement = 25000.0f;
        y.netWorth = 100000.0f;
    });
    return data;
}

TEST(GraphRender, PieSlicesRunClockwiseFromThreeOClock) {
    const GraphData data = threeToOne();
    GraphView view = styled(GraphKind::NetWorth, 0, 4);
    view.toggleBreakdown(PlotPoint{0, 2, 0.0f});
    ASSERT_EQ(view.kind(), GraphKind::Breakdown);
    const DrawnImage shot = drawOnScreen(view, data, 900, 700);
    ASSERT_TRUE(shot.drawn.pies[0]);
    const render::PieGeometry& pie = *shot.drawn.pies[0];
    ASSERT_TRUE(pie.pieDrawn);
    const int cx = pie.centreX;
    const int cy = pie.centreY;
    const int half = pie.radius / 2;
    // Investment runs from 3 o'clock clockwise through 6 and 9 to 12; retirement is the
    // quarter from 12 back to 3.
    EXPECT_EQ(pixel(shot.image, cx, cy + half), kRed);
    EXPECT_EQ(pixel(shot.image, cx - half, cy), kRed);
    EXPECT_EQ(pixel(shot.image, cx + half / 2, cy - half), kPurple);
    // The grey shadow shows right of and below the disc.
    EXPECT_EQ(pixel(shot.image, cx + pie.radius + 2, cy + 10), rgb(kPieShadowColor));
}

TEST(GraphRender, SmallTotalsListTheSharesWithoutAPie) {
    GraphData data;
    data.years(5, 60.0f, [](int, YearResult& y) {
        y.investment = 6.0f;
        y.retirement = 3.0f;
        y.netWorth = 9.0f;
    });
    GraphView view = styled(GraphKind::NetWorth, 0, 4);
    view.toggleBreakdown(PlotPoint{0, 1, 0.0f});
    const DrawnImage shot = drawOnScreen(view, data, 900, 700);
    ASSERT_TRUE(shot.drawn.pies[0]);
    const render::PieGeometry& pie = *shot.drawn.pies[0];
    EXPECT_FALSE(pie.pieDrawn);
    EXPECT_EQ(pie.legendRows.size(), 5u);
    // Only the shadow disc of a positive total is there.
    EXPECT_EQ(pixel(shot.image, pie.centreX - pie.radius / 2, pie.centreY), rgb(kPieShadowColor));
}

int inkIn(const QImage& image, const render::FrameRect& area, const QColor& color) {
    return countPixels(image, color, area.left, area.top, area.right, area.bottom);
}

TEST(GraphRender, SummaryAmountsAreRedWhenNegativeAndDarkerTextsDrawnTwice) {
    GraphData data;
    data.years(5, 60.0f, [](int, YearResult& y) { y.netWorth = 1000.0f; });
    auto& retirement = data.output.tables.ageTotals[static_cast<std::size_t>(AgeTotal::Retirement)];
    retirement[60] = 5000.0f;
    GraphView view;
    view.enterFourGraphView();
    const render::FrameRect panel = render::fourGraphQuadrants(1000, 700)[3];
    // The amounts stand in the right half; the red label "Investment Savings" in the left.
    const render::FrameRect amounts{(panel.left + panel.right) / 2, panel.top, panel.right,
                                    panel.bottom};
    const QImage plain = drawOnScreen(view, data, 1000, 700).image;
    EXPECT_EQ(inkIn(plain, amounts, kRed), 0);

    data.settings.switches.darker = true;
    const QImage darker = drawOnScreen(view, data, 1000, 700).image;
    EXPECT_GT(inkIn(darker, panel, QColor(0, 0, 0)), inkIn(plain, panel, QColor(0, 0, 0)));
    EXPECT_GT(inkIn(darker, panel, kPurple), inkIn(plain, panel, kPurple));

    retirement[60] = -5000.0f;
    EXPECT_GT(inkIn(drawOnScreen(view, data, 1000, 700).image, amounts, kRed), 20);
}

TEST(GraphRender, PrintedPortraitGraphLeavesTheLowerPageEmpty) {
    const GraphData data = nested();
    GraphView view = styled(GraphKind::NetWorth, 2, 9);
    QImage page(850, 1100, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        QFont font = render::printerGraphFont();
        font.setPixelSize(12);
        render::drawPrintedGraph(painter, page.rect(), QMargins(100, 100, 50, 100), view,
                                 data.scene(), font);
    }
    EXPECT_FALSE(view.printing());
    const int frameBottom = 850 * 850 / 1100 - 100;
    EXPECT_EQ(inkIn(page, {0, frameBottom + 1, 850, 1100}, QColor(0, 0, 0)), 0);
    EXPECT_GT(inkIn(page, {100, 100, 800, frameBottom}, kBlue), 1000);
    // Printing leaves the screen's hit-test geometry alone.
    EXPECT_EQ(view.geometry(0).width, 0);
}

TEST(GraphRender, PrintedFourGraphPageFramesItsGraphsTwice) {
    const GraphData data = nested();
    GraphView view;
    view.enterFourGraphView();
    QImage page(850, 1100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QFont font = render::printerGraphFont();
    font.setPixelSize(12);
    int lineHeight = 0;
    {
        QPainter painter(&page);
        render::drawPrintedGraph(painter, page.rect(), QMargins(100, 100, 50, 100), view,
                                 data.scene(), font);
        const QFontMetrics fm(font, &page);
        lineHeight = fm.height() + std::max(fm.leading(), 0);
    }
    const auto frames =
        render::printedFourGraphFrames(page.rect(), QMargins(100, 100, 50, 100), lineHeight);
    for (const render::FrameRect& f : frames) {
        const int x = (f.left + f.right) / 2;
        EXPECT_EQ(pixel(page, x, f.top), QColor(0, 0, 0));
        EXPECT_EQ(pixel(page, x, f.top + 1), QColor(0, 0, 0));
    }
    // "Summary" and the captions sit in the five lines kept under the graphs.
    EXPECT_GT(inkIn(page, {100, 1000 - 5 * lineHeight, 800, 1000}, QColor(0, 0, 0)), 50);
}

} // namespace
} // namespace finplan::test
