#include "graphs/summary_panel.h"
#include "support/case_file.h"
#include "support/field_checks.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace finplan {
namespace {

// The rows of a block as "label|amount|label colour|amount colour".
std::vector<std::string> lines(const SummaryBlock& block) {
    std::vector<std::string> result;
    for (const SummaryRow& row : block.rows) {
        result.push_back(row.label + "|" + row.amount + "|" + std::to_string(row.labelColor) + "|" +
                         std::to_string(row.amountColor));
    }
    return result;
}

std::vector<std::string> panelRows(const std::string& name) {
    return test::linesOf(test::textBlock("graphs/summary_panel_texts.txt", name));
}

void setAgeTotals(ResultTables& tables, int age, std::array<float, kAgeTotalCount> values) {
    for (int i = 0; i < kAgeTotalCount; ++i) {
        tables.ageTotals[static_cast<std::size_t>(i)][static_cast<std::size_t>(age)] =
            values[static_cast<std::size_t>(i)];
    }
}

TEST(SummaryRoundDollars, HalvesGoUpAndNegativesAreCutTowardZero) {
    test::expectFields({FIELD_IS(roundDollars(2.5f), 3), FIELD_IS(roundDollars(2.49f), 2),
                        FIELD_IS(roundDollars(0.0f), 0), FIELD_IS(roundDollars(-2.5f), -2),
                        FIELD_IS(roundDollars(-2.7f), -2), FIELD_IS(roundDollars(-0.6f), 0)});
    // Above 2^24 every float is whole: no dollar may be added.
    EXPECT_EQ(roundDollars(20000000.0f), 20000000);
    EXPECT_EQ(roundDollars(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(roundDollars(1e30f), LONG_MAX);
    EXPECT_EQ(roundDollars(-1e30f), LONG_MIN);
}

TEST(SummaryRoundDollars, TextsCarryDollarSignAndCommas) {
    EXPECT_EQ(dollarText(1234567.5f), "$1,234,568");
    EXPECT_EQ(dollarText(-1234.9f), "$-1,234");
    EXPECT_EQ(dollarText(999.0f), "$999");
    EXPECT_EQ(dollarText(-0.4f), "$0");
}

TEST(SummaryPanel, NetWorthBlockReadsTheAgeTotalsOfTheYearsWholeAge) {
    ResultTables tables;
    tables.years[5].age = 65.7f;
    // investment, tax-free, retirement, assets, equity, liabilities
    setAgeTotals(tables, 65, {1000.4f, 2000.4f, 3000.0f, 5000.0f, 400.0f, 7000.0f});
    setAgeTotals(tables, 66, {9.0f, 9.0f, 9.0f, 9.0f, 9.0f, 9.0f});
    const SummaryBlock block = summaryBlock(SummaryBlockKind::NetWorth, tables, 5);
    EXPECT_EQ(block.heading, "Net Worth");
    // The total rounds the sum of the amounts (4400.8), not the sum of the rounded rows.
    EXPECT_EQ(lines(block), panelRows("net worth at 65"));
}

TEST(SummaryPanel, NetWorthLabelHasAsManyDigitsAsTheAge) {
    ResultTables tables;
    tables.years[0].age = 9.0f;
    tables.years[1].age = 100.2f;
    EXPECT_EQ(summaryBlock(SummaryBlockKind::NetWorth, tables, 0).rows.back().label,
              "Age 9 Net Worth");
    EXPECT_EQ(summaryBlock(SummaryBlockKind::NetWorth, tables, 1).rows.back().label,
              "Age 100 Net Worth");
}

TEST(SummaryPanel, IncomingAndOutgoingBlocksReadTheYearsFlows) {
    ResultTables tables;
    YearResult& year = tables.years[2];
    year.deposits = 1000.0f;
    year.taxableIncome = 2500.5f;
    year.nonTaxableIncome = 300.0f;
    year.loans = 40000.0f;
    year.appreciation = 1234.0f;
    year.sales = 50.0f;
    year.withdrawals = 12000.0f;
    year.interestPaid = 800.25f;
    year.depreciationAndCosts = 2000.0f;
    year.taxes = 3100.0f;
    year.penalties = -10.0f;
    year.incoming = 1.0f; // the block adds its own total
    year.outgoing = 1.0f;

    const SummaryBlock incoming = summaryBlock(SummaryBlockKind::Incoming, tables, 2);
    EXPECT_EQ(incoming.heading, "Incoming");
    EXPECT_EQ(lines(incoming), panelRows("incoming"));

    const SummaryBlock outgoing = summaryBlock(SummaryBlockKind::Outgoing, tables, 2);
    EXPECT_EQ(outgoing.heading, "Outgoing");
    EXPECT_EQ(lines(outgoing), panelRows("outgoing"));
}

TEST(SummaryPanel, YearsAndAgesOutsideTheTablesReadZero) {
    ResultTables tables;
    tables.years[0].age = 150.0f;
    setAgeTotals(tables, 120, {5.0f, 5.0f, 5.0f, 5.0f, 5.0f, 0.0f});
    EXPECT_EQ(summaryBlock(SummaryBlockKind::NetWorth, tables, 0).rows.back().amount, "$0");
    EXPECT_EQ(summaryBlock(SummaryBlockKind::Incoming, tables, 100).rows.back().amount, "$0");
}

} // namespace
} // namespace finplan
