// The files the plot program reads: a scenario's plot file, a graph file that ends early, the
// refinance and trade-off plots told apart by content, damaged files, and the comparison of
// scenarios with its CSV text.
#include "calculators/trade_off.h"
#include "graphs/plot_input.h"
#include "graphs/scenario_comparison.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace finplan {
namespace {

std::string rising() {
    return test::readText(test::testData("plot/rising.tmp"));
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

TEST(PlotInput, ReadsAScenarioPlotFile) {
    const PlotInput input = readPlotInput(rising());
    const auto* plot = std::get_if<ScenarioPlot>(&input);
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->captions[0], "File: rising.RET");
    EXPECT_EQ(plot->accountNames, (std::vector<std::string>{"Savings", "House"}));
    ASSERT_EQ(plot->years.size(), 5u);
    EXPECT_EQ(plot->years[3].balances, (std::vector<float>{130000.0f, 50000.0f}));
    EXPECT_EQ(plot->years[3].fields[0], 63.0f);
    EXPECT_EQ(plot->years[3].fields[6], 180000.0f); // net worth
    EXPECT_EQ(plot->years[3].fields[11], 40000.0f); // total outgoing
    EXPECT_EQ(plot->groupNames[1], "Home");
    EXPECT_EQ(plot->accountGroups, (std::vector<int>{0, 1}));
}

TEST(PlotInput, AGraphFileMayEndInsideItsYears) {
    std::vector<std::string> lines = test::linesOf(rising());
    lines.resize(14); // the header and two years
    lines.push_back("Done");
    const PlotInput input = readPlotInput(joined(lines));
    const auto* plot = std::get_if<ScenarioPlot>(&input);
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->years.size(), 2u);
    EXPECT_EQ(plot->accountGroups, (std::vector<int>{0, 0}));

    // A plot of no years goes straight to its trailer.
    const PlotInput none = readPlotInput(
        "1\nFile: a\nDate: b\nTime: c\n0.00\n1\nCash\nG0\n\n\n\n\n\n\n\n\nG9\n2\nDone\n");
    const auto* empty = std::get_if<ScenarioPlot>(&none);
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->years.empty());
    EXPECT_EQ(empty->groupNames[9], "G9");
    EXPECT_EQ(empty->accountGroups, (std::vector<int>{2}));
}

TEST(PlotInput, TellsTheCalculatorPlotsApartByContent) {
    // Option 1 of the trade-off example: -1,000 at first, 200 more each period.
    TradeRecord trade = defaultTradeRecord();
    trade.names = {"Option 1", "", "Rent"};
    trade.values[0] = 1000.0f;
    trade.values[3] = 100.0f;
    trade.values[9] = 300.0f;
    trade.periods() = 10.0f;
    const std::string refinance = "1\nDummy\nDummy\nDummy\n360.000000\n2\nExisting Mortgage\n"
                                  "Refinanced Mortgage\n0.0\n0.0\n0.000000 100.000000 90.000000\n"
                                  "0.0\n0.0\n4.000000 110.000000 120.500000\n";
    const PlotInput tradeInput = readPlotInput(tradePlotText(trade, 0.0f));
    const PlotInput refinanceInput = readPlotInput(refinance);
    const auto* tradePlot = std::get_if<SeriesPlot>(&tradeInput);
    const auto* refinancePlot = std::get_if<SeriesPlot>(&refinanceInput);
    ASSERT_NE(tradePlot, nullptr);
    ASSERT_NE(refinancePlot, nullptr);
    EXPECT_EQ(tradePlot->kind, SeriesKind::TradeOff);
    EXPECT_EQ(tradePlot->names, (std::vector<std::string>{"Option 1", "Rent"}));
    ASSERT_EQ(tradePlot->points.size(), 12u);
    EXPECT_EQ(tradePlot->points[10].x, 10.0f);
    EXPECT_EQ(tradePlot->points[10].values, (std::vector<float>{1000.0f, 0.0f}));
    EXPECT_EQ(tradePlot->points[0].values[0], -1000.0f);
    EXPECT_EQ(refinancePlot->kind, SeriesKind::Refinance);
    EXPECT_EQ(refinancePlot->axisLength, 360.0f);
    ASSERT_EQ(refinancePlot->points.size(), 2u);
    EXPECT_EQ(refinancePlot->points[1].x, 4.0f);
    EXPECT_EQ(refinancePlot->points[1].values, (std::vector<float>{110.0f, 120.5f}));
}

TEST(PlotInput, NamesTheLineWhereADamagedFileStopsMakingSense) {
    const std::vector<std::string> original = test::linesOf(rising());
    for (const test::CaseLine& c : test::readCases("plot/damaged.txt")) {
        std::vector<std::string> lines = original;
        const auto line = static_cast<std::size_t>(std::stoi(c.input("line")));
        if (c.word == "cut") {
            lines.resize(line - 1);
        } else {
            lines[line - 1] = c.input("with");
        }
        const PlotInput input = readPlotInput(joined(lines));
        const auto* error = std::get_if<PlotReadError>(&input);
        ASSERT_NE(error, nullptr) << c.where;
        EXPECT_EQ(error->line, std::stoi(c.answer("line"))) << c.where;
        EXPECT_EQ(error->message, c.answer("message")) << c.where;
    }
}

TEST(ScenarioComparison, LaysScenariosOverEachOtherByAge) {
    const PlotInput input = readPlotInput(rising());
    const ScenarioPlot& first = std::get<ScenarioPlot>(input);
    // The second scenario starts two years later and is worth 5,000 more at each of its ages.
    ScenarioPlot second = first;
    for (PlotYear& year : second.years) {
        year.fields[0] += 2.0f;
        year.fields[6] += 5000.0f;
    }
    const Comparison comparison =
        compareScenarios({{"a.tvp", &first}, {"b, copy.tvp", &second}}, kNetWorthField);
    EXPECT_EQ(comparisonCsv(comparison),
              test::textBlock("graphs/plot_input.txt", "net worth comparison"));
    EXPECT_EQ(comparedFieldName(kNetWorthField), "Net Worth");
    EXPECT_EQ(comparedFieldName(11), "Total Outgoing");
    EXPECT_EQ(comparedFieldName(20), "");
}

} // namespace
} // namespace finplan
