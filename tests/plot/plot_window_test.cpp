// finplan-plot: each of the four formats drawn (pixels at known points), three scenarios
// compared, a rewritten plot file redrawn, a damaged one named with its line, and --grab.
#include "calculators/trade_off.h"
#include "graphs/plot_geometry.h"
#include "graphs/save_graphs.h"
#include "graphs/series_colors.h"
#include "gui/graphs/graph_widget.h"
#include "plot/chart_widget.h"
#include "plot/compare_window.h"
#include "plot/plot_arguments.h"
#include "plot/plot_program.h"
#include "plot/plot_window.h"
#include "render/graph_palette.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QTabBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <sstream>

namespace finplan::test {
namespace {

QString qs(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Whether the colour lies on the pixel or one of its eight neighbours: lines are two pixels
// wide, and which of the two the point falls on depends on rounding.
bool colourNear(const QImage& image, QPoint at, const QColor& colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixelColor(at + QPoint(dx, dy)) == colour) {
                return true;
            }
        }
    }
    return false;
}

class PlotWindowTest : public ::testing::Test {
protected:
    std::string rising() const { return readText(testData("plot/rising.tmp")); }

    std::unique_ptr<plot::PlotWindow> open(const std::string& name, const std::string& text) {
        writeText(dir.path() / name, text);
        auto window = std::make_unique<plot::PlotWindow>(qs(dir.path() / name));
        window->resize(1000, 700);
        window->show();
        QApplication::processEvents();
        return window;
    }

    // Year 2 of rising.tmp in flat bars: net worth 170,000 behind savings of 120,000.
    static void expectRisingBars(plot::PlotWindow& window) {
        ASSERT_NE(window.graphPage(), nullptr);
        window.pageTabs()->setCurrentIndex(1);
        gui::GraphWidget& page = *window.graphPage();
        page.view().nextStyle();
        page.view().nextStyle();
        page.refresh();
        page.repaint();
        const PlotGeometry& p = page.view().geometry(0);
        const auto at = [&p](float value) {
            return QPoint(p.left + 2 * p.columnWidth + p.columnWidth / 2, valueY(p, value));
        };
        EXPECT_EQ(page.canvas().pixelColor(at(150000.0f)), render::toQColor(kSeriesColors[1]));
        EXPECT_EQ(page.canvas().pixelColor(at(110000.0f)), render::toQColor(kSeriesColors[2]));
    }

    TempDir dir;
};

TEST_F(PlotWindowTest, DrawsEachOfTheFourFormats) {
    expectRisingBars(*open("plotinf01.tmp", rising()));
    const std::string text = rising();
    const GraphFileText copy =
        graphFileText(std::span(reinterpret_cast<const Byte*>(text.data()), text.size()));
    expectRisingBars(*open("rising.tvp", copy.text));

    // The calculators' plots: a line through known points of their first series.
    struct Case {
        std::string name;
        std::string text;
        QString title;
        double x;
        double y;
    };
    TradeRecord trade = defaultTradeRecord();
    trade.names = {"Option 1", "", ""};
    trade.values[0] = 1000.0f;
    trade.values[3] = 100.0f;
    trade.values[9] = 300.0f;
    trade.periods() = 10.0f;
    const std::vector<Case> cases = {
        {"ref.tmp", readText(testData("plot/ref.tmp")),
         QStringLiteral("Refinance Analysis - ref.tmp"), 2.0, 105000.0},
        // Option 1 is worth -1,000 + 200 per period: -400 after 3.
        {"trade.tmp", tradePlotText(trade, 0.0f), QStringLiteral("Trade-Off Analysis - trade.tmp"),
         3.0, -400.0},
    };
    for (const Case& c : cases) {
        const auto window = open(c.name, c.text);
        ASSERT_NE(window->chartWidget(), nullptr) << c.name;
        EXPECT_EQ(window->windowTitle(), c.title);
        const QImage image = window->chartWidget()->grab().toImage();
        const QPoint at = window->chartWidget()->frame().toPixel(c.x, c.y);
        EXPECT_TRUE(colourNear(image, at, plot::chartLineColor(0))) << c.name;
        EXPECT_FALSE(colourNear(image, at + QPoint(0, 30), plot::chartLineColor(0))) << c.name;
    }
}

TEST_F(PlotWindowTest, ComparesThreeScenarios) {
    plot::CompareWindow window;
    window.resize(1200, 700);
    for (const char* name : {"rising.tmp", "more.tvp", "most.tvp"}) {
        ASSERT_TRUE(window.addScenario(qs(testData(std::string("plot/") + name))));
    }
    window.show();
    QApplication::processEvents();
    const Comparison& comparison = window.comparison();
    ASSERT_EQ(comparison.names, (std::vector<std::string>{"rising.tmp", "more.tvp", "most.tvp"}));
    ASSERT_EQ(comparison.rows.size(), 5u);
    EXPECT_EQ(comparison.rows[2].age, 62);
    EXPECT_EQ(comparison.rows[2].values[2], 180000.0f);
    EXPECT_EQ(comparison.rows[2].difference(1), 5000.0f);
    EXPECT_EQ(comparison.rows[2].difference(2), 10000.0f);
    // The table: age, then each value with, from the second on, its difference.
    const QAbstractItemModel& table = *window.table()->model();
    ASSERT_EQ(table.columnCount(), 6);
    EXPECT_EQ(table.headerData(5, Qt::Horizontal).toString(),
              QStringLiteral("most.tvp - rising.tmp"));
    EXPECT_EQ(table.index(2, 0).data().toInt(), 62);
    EXPECT_EQ(table.index(2, 5).data().toString(), QStringLiteral("$10,000.00"));
    // Three lines, each in its colour between ages 62 and 63.
    plot::ChartWidget& chart = *window.chartWidget();
    ASSERT_EQ(chart.chart().lines.size(), 3u);
    const QImage image = chart.grab().toImage();
    for (int s = 0; s < 3; ++s) {
        const QPoint at = chart.frame().toPixel(62.5, 175000.0 + 5000.0 * s);
        EXPECT_TRUE(colourNear(image, at, plot::chartLineColor(s))) << s;
    }
    // Another total lays the same scenarios over each other.
    window.setField(11);
    EXPECT_EQ(window.comparison().rows[0].values[1], 40000.0f);
    EXPECT_FALSE(window.addScenario(qs(testData("plot/damaged.txt"))));
    EXPECT_EQ(window.comparison().names.size(), 3u);
}

TEST_F(PlotWindowTest, FollowsTheFileWhenARunRewritesIt) {
    const auto window = open("plotinf01.tmp", rising());
    EXPECT_EQ(window->loads(), 1);
    const auto waitForLoads = [&window](int loads) {
        for (int i = 0; i < 100 && window->loads() < loads; ++i) {
            QTest::qWait(50);
        }
    };
    std::string next = rising();
    next.replace(next.find("170000.00"), 9, "99999.50");
    writeText(dir.path() / "plotinf01.tmp", next);
    waitForLoads(2);
    ASSERT_EQ(window->loads(), 2);
    EXPECT_EQ(window->output().tables.years[2].netWorth, 99999.5f);
    EXPECT_TRUE(window->problem().isEmpty());

    // A damaged file keeps the last drawing and says where it went wrong.
    writeText(dir.path() / "plotinf01.tmp", "1\nFile: x\nDate: y\n");
    for (int i = 0; i < 100 && window->problem().isEmpty(); ++i) {
        QTest::qWait(50);
    }
    EXPECT_EQ(window->problem(),
              qs(dir.path() / "plotinf01.tmp") +
                  QStringLiteral(", line 4: the file ends where a caption should be"));
    EXPECT_EQ(window->output().tables.years[2].netWorth, 99999.5f);
}

TEST_F(PlotWindowTest, GrabsAPictureOrTellsWhyNot) {
    struct Case {
        bool compare;
        std::string file;
        int exitCode;
        std::string error;
    };
    writeText(dir.path() / "bad.tmp", "7\n");
    const std::string bad = (dir.path() / "bad.tmp").string();
    const std::vector<Case> cases = {
        {false, testData("plot/rising.tmp").string(), plot::kExitOk, ""},
        {true, testData("plot/more.tvp").string(), plot::kExitOk, ""},
        {false, bad, plot::kExitUnreadable,
         bad + ", line 2: the file ends where a caption should be\n"},
    };
    for (const Case& c : cases) {
        plot::PlotArguments arguments;
        arguments.compare = c.compare;
        arguments.grab = qs(dir.path() / "out.png");
        arguments.size = QSize(640, 480);
        arguments.files = {QString::fromStdString(c.file)};
        std::filesystem::remove(dir.path() / "out.png");
        std::ostringstream errors;
        EXPECT_EQ(plot::grabPlotWindow(arguments, errors), c.exitCode) << c.file;
        EXPECT_EQ(errors.str(), c.error);
        EXPECT_EQ(QImage(qs(dir.path() / "out.png")).size(),
                  c.exitCode == 0 ? QSize(640, 480) : QSize(0, 0));
    }
}

// What the command line asks for, or the message that refuses it.
TEST(PlotArguments, ParsesOrSaysWhatIsWrong) {
    for (const CaseLine& c : readCases("plot/arguments.txt")) {
        const auto parsed = plot::parsePlotArguments(
            QString::fromStdString(c.input("words")).split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QString answer;
        if (const auto* problem = std::get_if<QString>(&parsed)) {
            answer = *problem;
        } else if (const auto& a = std::get<plot::PlotArguments>(parsed); a.help) {
            answer = QStringLiteral("help");
        } else {
            answer = (a.compare ? QStringLiteral("compare ") : QString()) +
                     (a.grab ? QStringLiteral("grab %1 %2x%3 ")
                                   .arg(*a.grab)
                                   .arg(a.size.width())
                                   .arg(a.size.height())
                             : QString()) +
                     a.files.join(QLatin1Char(','));
        }
        EXPECT_EQ(answer.toStdString(), c.answer("is")) << c.where;
    }
}

} // namespace
} // namespace finplan::test
