#include "model/text_field.h"
#include "results/plot_file.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace finplan {
namespace {

using test::readText;
using test::TempDir;

AccountTable twoAccounts() {
    AccountTable table;
    table.accountCount = 2;
    setFieldText(table.accounts[0].name, "Savings");
    table.accounts[0].balance = 10000.5f;
    table.accounts[0].group = 3;
    setFieldText(table.accounts[1].name, "House");
    table.accounts[1].balance = 250000.0f;
    table.accounts[1].group = 0;
    setFieldText(table.accounts[2].name, "Stale");
    table.accounts[2].group = 7;
    return table;
}

TEST(PlotFile, TwoAccountsOverTwoYearsGiveTheExactLayout) {
    const TempDir dir;
    AccountTable accounts = twoAccounts();
    GroupTable groups;
    setFieldText(groups.groupNames[0], "Stocks");
    setFieldText(groups.groupNames[2], "Bonds");
    setFieldText(groups.groupNames[9], "Cash");

    PlotFileWriter plot;
    ASSERT_TRUE(plot.open(dir.path()));
    plot.header(2, {"File: plan.ret", "Date: 03/14/2024", "Time: 09:05:00"}, 2.0f, accounts);
    plot.accountBalances(accounts);
    plot.openingTotals(65.2493151f, {10000.5f, 0.0f, 0.0f, 250000.0f, 0.0f, 260000.5f});
    plot.flows({1500.5f, 1000.0f, 200.25f, 300.25f, 4000.0f, 2500.0f, 800.0f, 100.0f, 50.0f, 0.0f,
                0.0f, 0.0f, 12.75f});
    accounts.accounts[0].balance = 9000.25f;
    accounts.accounts[1].balance = 255000.0f;
    plot.accountBalances(accounts);
    plot.openingTotals(66.0f, {9000.25f, 0.0f, 0.0f, 255000.0f, 0.0f, 264000.25f});
    plot.flows({});
    plot.trailer(groups, accounts);

    EXPECT_EQ(readText(dir / "plotinf01.tmp"),
              readText(test::testData("results/plot_two_years.txt")));
}

TEST(PlotFile, NegativeAmountsAndFractionalYearsKeepCFormatting) {
    const TempDir dir;
    const AccountTable none;
    PlotFileWriter plot;
    ASSERT_TRUE(plot.open(dir.path()));
    plot.header(0, {"a", "b", "c"}, 55.5f, none);
    plot.openingTotals(-0.04f, {-1.5f, -0.004f, 0.005f, 1e7f, -2.25f, -123456.78f});
    plot.flows({-1.0f});
    plot.trailer(GroupTable{}, none);
    EXPECT_EQ(readText(dir / "plotinf01.tmp"),
              test::textBlock("results/plot_file_texts.txt",
                              "NegativeAmountsAndFractionalYearsKeepCFormatting"));
}

TEST(PlotFile, TrailerClosesTheFileAndANewRunStartsItAfresh) {
    const TempDir dir;
    const AccountTable accounts = twoAccounts();
    PlotFileWriter plot;
    ASSERT_TRUE(plot.open(dir.path()));
    plot.header(1, {"x", "y", "z"}, 1.0f, accounts);
    plot.trailer(GroupTable{}, accounts);
    const std::string finished = readText(dir / "plotinf01.tmp");
    EXPECT_TRUE(finished.ends_with("3\n0\nDone\n"));

    plot.accountBalances(accounts);
    plot.flows({});
    plot.trailer(GroupTable{}, accounts);
    EXPECT_EQ(readText(dir / "plotinf01.tmp"), finished);

    ASSERT_TRUE(plot.open(dir.path()));
    plot.accountBalances(accounts);
    plot.trailer(GroupTable{}, AccountTable{});
    EXPECT_EQ(readText(dir / "plotinf01.tmp"), "10000.50\n250000.00\n\n\n\n\n\n\n\n\n\n\nDone\n");
}

TEST(PlotFile, UncreatableFileFailsToOpenAndLaterWritesAreHarmless) {
    const TempDir dir;
    std::filesystem::create_directory(dir / "plotinf01.tmp");
    const AccountTable accounts = twoAccounts();
    PlotFileWriter plot;
    EXPECT_FALSE(plot.open(dir.path()));
    EXPECT_FALSE(plot.open(dir / "missing folder"));
    plot.header(1, {"x", "y", "z"}, 1.0f, accounts);
    plot.accountBalances(accounts);
    plot.openingTotals(30.0f, {});
    plot.flows({});
    plot.trailer(GroupTable{}, accounts);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "plotinf01.tmp"));
    EXPECT_EQ(kPlotFileOpenError, "Cannot open plot file.");
}

TEST(PlotCaptions, EachLineIsReplacedOnlyByItsOwnSwitchedOnTitle) {
    ReportTitles titles;
    setFieldText(titles.title1, "Retirement at 62");
    setFieldText(titles.title3, "Optimistic");
    EXPECT_EQ(plotCaptions("plan.ret", "03/14/2024", "09:05:00", titles),
              (std::array<std::string, 3>{"File: plan.ret", "Date: 03/14/2024", "Time: 09:05:00"}));

    titles.useTitle1 = 1;
    titles.useTitle2 = 1; // an empty title still replaces its line
    titles.useTitle3 = 2; // only exactly 1 switches a title on
    EXPECT_EQ(plotCaptions("plan.ret", "03/14/2024", "09:05:00", titles),
              (std::array<std::string, 3>{"Retirement at 62", "", "Time: 09:05:00"}));
}

// Plotted years and zoomed ages: tests/data/results/plot_zoom.txt.
TEST(PlottedYears, CountFromTheWholeStartAgeOrTheZoomMarks) {
    test::forEachCase("results/plot_zoom.txt", "", 13, [&](const test::CaseLine& c) {
        const float last = std::stof(c.input("last"));
        const float start = std::stof(c.input("start"));
        const std::string marks = c.inputOr("zoom", "");
        const std::string years = c.answerOr("years", "");
        if (marks.empty()) {
            EXPECT_EQ(plottedYears(last, start), std::stof(years));
            return;
        }
        const auto ages = test::partsOf(marks, ',');
        const PlotZoom zoom =
            marks == "off" ? PlotZoom{} : PlotZoom{true, std::stoi(ages[0]), std::stoi(ages[1])};
        if (!years.empty()) {
            EXPECT_EQ(plottedYears(last, start, zoom), std::stof(years));
        }
        const auto zoomed = zoomedPlotAges(zoom, start);
        if (marks == "off") {
            EXPECT_EQ(zoomed, std::nullopt);
        }
        for (const std::string key : {"first", "last"}) {
            if (!c.answerOr(key, "").empty()) {
                ASSERT_TRUE(zoomed);
                EXPECT_EQ(key == "first" ? zoomed->first : zoomed->last, std::stoi(c.answer(key)));
            }
        }
    });
}

TEST(PlotZoomYears, OnlyTheZoomedAgesAreWritten) {
    const PlotZoom zoom{true, 66, 68}; // widened to 66 .. 69
    std::string written;
    for (float age = 60.0f; age <= 89.0f; age += 1.0f) {
        if (plotsAge(age, 60.0f, zoom)) {
            written += std::to_string(static_cast<int>(age)) + " ";
        }
    }
    EXPECT_EQ(written, "66 67 68 69 ");
    EXPECT_TRUE(plotsAge(66.6f, 60.0f, zoom)); // a fractional first age counts by its whole age
    EXPECT_TRUE(plotsAge(40.0f, 60.0f, PlotZoom{}));
    EXPECT_TRUE(plotsAge(40.0f, 60.0f, PlotZoom{false, 66, 68}));
}

} // namespace
} // namespace finplan
