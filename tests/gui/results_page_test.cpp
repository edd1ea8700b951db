#include "cli/cli_test_support.h"
#include "gui/shell/banding.h"
#include "gui/shell/placeholder_page.h"
#include "gui/shell/results_page.h"
#include "gui/shell/schedule_delegate.h"
#include "gui/shell/schedule_line_rules.h"
#include "gui/shell/schedule_model.h"
#include "gui/shell/schedule_view.h"
#include "gui_fixture.h"
#include "render/graph_test_data.h"
#include "support/case_file.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace finplan::test {
namespace {

class ResultsPageTest : public GuiTest {
protected:
    void SetUp() override {
        openSample();
        page = chooseFolder<gui::ResultsPage>(3);
        ASSERT_NE(page, nullptr);
    }

    std::vector<std::string> listed() const {
        std::vector<std::string> lines;
        const auto* model = page->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            lines.push_back(model->index(row, 0)
                                .data(gui::ScheduleModel::LineTextRole)
                                .toString()
                                .toStdString());
        }
        return lines;
    }

    int rowStartingWith(const std::string& prefix) const {
        const auto lines = listed();
        const auto found = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.starts_with(prefix);
        });
        return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
    }

    template <class W>
    W* child(const char* name) const {
        auto* widget = page->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    int topRow() const { return page->view()->indexAt(QPoint(4, 4)).row(); }

    void goTo(const char* age) {
        child<QLineEdit>("ageField")->setText(QString::fromLatin1(age));
        child<QPushButton>("goToButton")->click();
        settle();
    }

    gui::ResultsPage* page = nullptr;
};

TEST_F(ResultsPageTest, ListsExactlyTheLinesTheCommandLineRunPrints) {
    TempDir other;
    const CliRun cli = runCliWith(
        {"run", samplePath(), "--workdir", other.path().string(), "--today", kGuiTodayText});
    ASSERT_EQ(cli.code, 0) << cli.err;
    const auto expected = linesOf(cli.out);
    ASSERT_GT(expected.size(), 100u);
    EXPECT_EQ(listed(), expected);
}

TEST_F(ResultsPageTest, TheListModelsPassTheModelTester) {
    QAbstractItemModelTester scheduleTester(page->model(),
                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
    child<QCheckBox>("detailedResultsBox")->click();
    child<QPushButton>("runAgainButton")->click();
    EXPECT_GT(page->model()->rowCount(), 0);
    EXPECT_EQ(page->model()->columnCount(), 8);
    EXPECT_TRUE(child<QPushButton>("printButton")->isEnabled());
}

TEST_F(ResultsPageTest, ColumnsAreHeadedAndTotalsLinesSplitIntoThem) {
    const auto* model = page->model();
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column) {
        headers << model->headerData(column, Qt::Horizontal).toString();
    }
    EXPECT_EQ(
        headers.join(u'|'),
        QStringLiteral("Age|Investment|Tax-Free|Retirement|Asset|Equity|Liabilities|Net Worth"));
    const int totals = rowStartingWith("45.0 ");
    ASSERT_EQ(totals, 0);
    const std::string line = listed()[0];
    const auto fields = gui::splitTotalsLine(line);
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(model->index(totals, column).data().toString().toStdString(),
                  fields[static_cast<std::size_t>(column)]);
    }
    EXPECT_EQ(fields[0], "45.0");
    EXPECT_EQ(fields[1], "$85,000.00");
    const int events = rowStartingWith("Financial Events:");
    EXPECT_EQ(model->index(events, 0).data().toString(), QStringLiteral("Financial Events:"));
    EXPECT_EQ(model->index(events, 1).data().toString(), QString());
}

TEST_F(ResultsPageTest, GoToShowsTheAgeOrTheEndsAndRefusesAbsurdAges) {
    // The page opens on the last line.
    EXPECT_EQ(page->view()->verticalScrollBar()->value(),
              page->view()->verticalScrollBar()->maximum());

    goTo("60");
    EXPECT_EQ(topRow(), rowStartingWith("60.0 "));
    EXPECT_EQ(page->view()->currentIndex().row(), rowStartingWith("60.0 "));

    goTo("45");
    EXPECT_EQ(topRow(), rowStartingWith("45.0 "));
    goTo("60");
    goTo("20");
    EXPECT_EQ(topRow(), 0);

    goTo("60");
    dialogs.shown.clear();
    goTo("121");
    EXPECT_EQ(dialogs.transcript(), "AGE ERROR|This age must be between 1.0 and 120.0.");
    EXPECT_EQ(topRow(), rowStartingWith("60.0 "));
    EXPECT_EQ(child<QLineEdit>("ageField")->maxLength(), 5);

    child<QPushButton>("bottomButton")->click();
    EXPECT_EQ(page->view()->verticalScrollBar()->value(),
              page->view()->verticalScrollBar()->maximum());
    child<QPushButton>("topButton")->click();
    EXPECT_EQ(topRow(), 0);

    // The chosen age stays in view across runs.
    goTo("70");
    child<QPushButton>("runAgainButton")->click();
    settle();
    EXPECT_EQ(topRow(), rowStartingWith("70.0 "));
}

TEST_F(ResultsPageTest, CheckBoxesSwitchTheDetailsAndRunAgain) {
    auto* detailed = child<QCheckBox>("detailedResultsBox");
    auto* accounts = child<QCheckBox>("showAccountsBox");
    EXPECT_EQ(detailed->text(), QStringLiteral("Show detailed results"));
    EXPECT_EQ(accounts->text(), QStringLiteral("Show accounts"));
    EXPECT_FALSE(detailed->isChecked());
    const auto plain = listed();

    detailed->click();
    EXPECT_TRUE(detailed->isChecked());
    EXPECT_TRUE(planner.switches().detailedResults);
    EXPECT_EQ(listed().front(), "Initial Rates:");
    EXPECT_GE(rowStartingWith("Summary:"), 0);

    accounts->click();
    EXPECT_TRUE(planner.switches().accountSummary);
    EXPECT_GE(rowStartingWith("End Of Year Account Summary:"), 0);

    detailed->click();
    accounts->click();
    EXPECT_EQ(listed(), plain);

    // A new page takes the switches as they are.
    accounts->click();
    page = chooseFolder<gui::ResultsPage>(3);
    EXPECT_EQ(window->folders()->currentIndex(), 3);
    chooseFolder<gui::PlaceholderPage>(4);
    page = chooseFolder<gui::ResultsPage>(3);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(child<QCheckBox>("showAccountsBox")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("detailedResultsBox")->isChecked());
}

TEST_F(ResultsPageTest, RandomRatesLastOneRunAndRunAgainComesBackToTheFixedRates) {
    const auto fixed = listed();
    for (const char* button : {"randomGroupRatesButton", "randomAccountRatesButton"}) {
        child<QPushButton>(button)->click();
        EXPECT_NE(listed(), fixed) << button;
        EXPECT_FALSE(planner.switches().randomGroupRates || planner.switches().randomAccountRates);
        child<QPushButton>("runAgainButton")->click();
        EXPECT_EQ(listed(), fixed) << button;
    }
}

TEST_F(ResultsPageTest, DoubleClickOnATotalsLineChoosesItsAge) {
    const int row = rowStartingWith("50.0 ");
    doubleClick(page->view(), page->model()->index(row, 2));
    EXPECT_EQ(child<QLineEdit>("ageField")->text(), QStringLiteral(" 50"));
    EXPECT_EQ(planner.chosenAge(), 50);
    EXPECT_EQ(topRow(), row);
}

TEST_F(ResultsPageTest, SaveWritesTheResultsFileChosenInTheDialog) {
    const std::string results = (dir / "out.sch").string();
    files.answers = {results};
    child<QPushButton>("saveButton")->click();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].title, "Save Results To A File");
    EXPECT_EQ(files.requests[0].filters, std::vector<std::string>{"Result Files (*.SCH)"});
    EXPECT_EQ(files.requests[0].defaultExtension, "sch");
    EXPECT_EQ(files.requests[0].mode, gui::FileRequest::Mode::Save);
    const std::string text = readText(results);
    EXPECT_NE(text.find(listed().back() + "\n"), std::string::npos);
    EXPECT_NE(text.find(std::string(175, '-')), std::string::npos);

    // A cancelled dialog writes nothing.
    std::filesystem::remove(results);
    child<QPushButton>("saveButton")->click();
    EXPECT_FALSE(std::filesystem::exists(results));
}

TEST(ScheduleLineRules, RedLinesTotalsLinesAndTheirFields) {
    forEachCase("gui/schedule_lines.txt", "", 28, [&](const CaseLine& c) {
        const std::string& text = c.input("text");
        for (const auto& [key, value] : c.expected) {
            std::string got;
            if (key == "fields") {
                const auto fields = gui::splitTotalsLine(text);
                for (std::size_t i = 0; i < fields.size(); ++i) {
                    got += (i > 0 ? "|" : "") + fields[i];
                }
            } else {
                const bool on =
                    key == "red" ? gui::isRedScheduleLine(text) : gui::isTotalsLine(text);
                got = on ? "yes" : "no";
            }
            EXPECT_EQ(got, value) << key;
        }
    });
}

// Paints one row with the delegate and counts the pixels of a colour.
class DelegatePaint : public ::testing::Test {
protected:
    DelegatePaint() {
        schedule.lines = {{"Financial Events:", kPlainLine},
                          {" 70.0  Liquid accounts were depleted.", kPlainLine},
                          {"60.0 \t$1.00\t$2.00\t$3.00\t$4.00\t$5.00\t$6.00\t$7.00", kPlainLine}};
        model.reload();
    }

    QImage paint(int row, int column, bool selected,
                 const gui::ScheduleDelegate& by = gui::ScheduleDelegate{std::nullopt}) {
        QImage image(200, 20, QImage::Format_RGB32);
        image.fill(Qt::green);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.palette.setColor(QPalette::Base, Qt::white);
        if (selected) {
            option.state |= QStyle::State_Selected;
        }
        by.paint(&painter, option, model.index(row, column));
        return image;
    }

    ScheduleList schedule;
    gui::ScheduleModel model{schedule};
};

TEST_F(DelegatePaint, RedLinesAreRedAndSelectedLinesWhiteOnTheHighlight) {
    const QImage plain = paint(0, 0, false);
    EXPECT_EQ(countPixels(plain, Qt::green), 0) << "the whole row is filled";
    EXPECT_GT(countPixels(plain, Qt::black), 0);
    EXPECT_EQ(countPixels(plain, Qt::red), 0);

    const QImage red = paint(1, 0, false);
    EXPECT_GT(countPixels(red, Qt::red), 0);
    EXPECT_EQ(countPixels(red, Qt::black), 0);

    const QImage selected = paint(1, 0, true);
    EXPECT_GT(countPixels(selected, gui::selectionColor()), 1000);
    EXPECT_GT(countPixels(selected, Qt::white), 0);
    EXPECT_EQ(countPixels(selected, Qt::red), 0);

    // A column of a totals line ends with its rule.
    const QImage cell = paint(2, 3, false);
    EXPECT_NE(cell.pixelColor(199, 10), Qt::white);
    EXPECT_EQ(cell.pixelColor(100, 1), Qt::white);
}

TEST_F(DelegatePaint, BandingFillsEverySecondLine) {
    const gui::ScheduleDelegate banded{gui::bandColor(BandingVariant::Gray)};
    EXPECT_EQ(paint(1, 0, false, banded).pixelColor(199, 1), gui::bandColor(BandingVariant::Gray));
    EXPECT_NE(paint(0, 0, false, banded).pixelColor(199, 1), gui::bandColor(BandingVariant::Gray));
}

} // namespace
} // namespace finplan::test
