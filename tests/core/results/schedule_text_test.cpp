#include "model/text_field.h"
#include "results/schedule_text.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace finplan {
namespace {

using Lines = std::vector<std::string>;

Lines block(const std::string& name) {
    return test::linesOf(test::textBlock("results/schedule_text.txt", name));
}

AccountRecord& addAccount(Scenario& scenario, std::string_view name) {
    AccountRecord& account =
        scenario.accounts.accounts[static_cast<std::size_t>(scenario.accounts.accountCount++)];
    account.name = makeField<30>(name);
    return account;
}

TEST(ScheduleText, TotalsLineAgeFieldAndOverlongAmounts) {
    RunTotals totals;
    totals.netWorth = -1e15f;
    const std::string line = totalsLine(62.5f, totals);
    EXPECT_EQ(line.substr(0, 6), "62.5 \t");
    // Wider than 15, the last field is not cut.
    EXPECT_EQ(line.substr(line.rfind('\t')), "\t$-999,999,986,991,104.00");
    EXPECT_EQ(totalsLine(100.0f, totals).substr(0, 6), "100.0\t");
}

TEST(ScheduleText, InitialRatesBlockListsUsedAccountsThenScenarioRates) {
    Scenario scenario;
    addAccount(scenario, "Savings").rate = 5.0f;
    addAccount(scenario, "House").rate = -1.5f;
    scenario.accounts.accounts[2].name = makeField<30>("Unused");

    const std::vector<ScheduleLine> expected = {
        {"Initial Rates:", kPlainLine},
        {" Savings = 5.00%", kAccountRateLine},
        {" House = -1.50%", kAccountRateLine},
        {" Tax = 15.00%", kScenarioRateLine},
        {" Inflation = 4.00%", kScenarioRateLine},
        {" Appreciation = 3.25%", kScenarioRateLine},
    };
    EXPECT_EQ(initialRatesBlock(scenario, 15.0f, 4.0f, 3.25f), expected);
}

TEST(ScheduleText, NameFillingItsWholeFieldEndsWithTheField) {
    Scenario scenario;
    AccountRecord& account = addAccount(scenario, "");
    account.name.fill('N'); // no terminating NUL, as a damaged file may give
    account.rate = 1.0f;
    EXPECT_EQ(initialRatesBlock(scenario, 0, 0, 0)[1].text,
              " " + std::string(30, 'N') + " = 1.00%");
    account.balance = 2.0f;
    EXPECT_EQ(accountSummaryBlock(scenario.accounts)[1],
              "  " + std::string(30, 'N') + "=$2.00               ");
}

TEST(ScheduleText, InEffectLines) {
    const Lines expected = block("in-effect: inEffectLine(account, kind) for account true then "
                                 "false, kind -1 to 3");
    ASSERT_EQ(expected.size(), 10u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const int kind = static_cast<int>(i % 5) - 1;
        EXPECT_EQ(inEffectLine(i < 5, kind), expected[i] == "(empty)" ? "" : expected[i]) << i;
    }
}

TEST(ScheduleText, SummaryOfAQuietYearShowsOnlyTheTotals) {
    YearFlows flows;
    flows.taxes = 80.0f;        // part of no line
    flows.depositTaxes = 40.0f; // has its own payment line
    flows.deposits = -5.0f;     // shown only when positive
    EXPECT_EQ(summaryBlock(flows),
              (Lines{"Summary:", "    Total Incoming=$0.00", "    Total Outgoing=$0.00"}));
}

TEST(ScheduleText, SummaryListsPositiveFlowsUnderTheirTotals) {
    YearFlows flows;
    flows.incomingTotal = 12500.0f;
    flows.deposits = 10000.0f;
    flows.nonTaxableIncome = 2000.0f;
    flows.appreciation = 500.0f;
    flows.taxableIncome = 1.5f;
    flows.loans = 20000.0f;
    flows.sales = 150000.0f;
    flows.withdrawals = 3000.0f;
    flows.savingsInterestTax = 75.0f;
    flows.interestPaid = 12.0f;
    flows.penalties = 300.0f;
    flows.propertyTaxes = 1200.0f;
    flows.withdrawalTaxes = 450.0f;
    flows.closingCosts = 0.0f;
    flows.depreciation = -250.0f;
    EXPECT_EQ(summaryBlock(flows), block("summary of every flow"));
}

TEST(ScheduleText, TotalOutgoingAddsInSinglePrecisionInOrder) {
    YearFlows flows;
    flows.withdrawals = 16777216.0f; // 2^24: adding 1 in float changes nothing
    flows.savingsInterestTax = 1.0f;
    flows.depreciation = -1.0f;
    // In double, or starting from the small terms, the sum would be 16777218.
    EXPECT_EQ(totalOutgoing(flows), 16777216.0f);
    flows.withdrawals = 1.0f;
    flows.interestPaid = 2.0f;
    flows.penalties = 3.0f;
    flows.propertyTaxes = 4.0f;
    flows.withdrawalTaxes = 5.0f;
    flows.closingCosts = 6.0f;
    flows.depreciation = -7.0f;
    EXPECT_EQ(totalOutgoing(flows), 29.0f);
}

TEST(ScheduleText, AccountSummaryPadsEachBalanceToTwenty) {
    Scenario scenario;
    addAccount(scenario, "Savings").balance = 1234.56f;
    addAccount(scenario, "Loan").balance = -1500000.0f;
    addAccount(scenario, "Big").balance = 1e17f;
    scenario.accounts.accounts[3].name = makeField<30>("Unused");
    EXPECT_EQ(accountSummaryBlock(scenario.accounts),
              (Lines{"End Of Year Account Summary:", "  Savings=$1,234.56           ",
                     "  Loan=$-1,500,000.00      ", "  Big=$99,999,998,430,674,944.00"}));

    scenario.accounts.accountCount = -4;
    EXPECT_EQ(accountSummaryBlock(scenario.accounts), (Lines{"End Of Year Account Summary:"}));
}

class RateStatistics : public ::testing::Test {
protected:
    RateStatistics() {
        AccountRecord& stocks = addAccount(scenario, "Stocks");
        stocks.slot = 3;
        stocks.rateStatSum = 30.0f;
        stocks.rateStatMin = 2.5f;
        stocks.rateStatMax = 12.25f;
        scenario.slots.rateStatCount[3] = 4.0f;
        addAccount(scenario, "Cash").slot = 4; // never drawn: count 0
        AccountRecord& damaged = addAccount(scenario, "Damaged");
        damaged.slot = 60;
        damaged.rateStatSum = 1.0f;

        scenario.groups.groupNames[1] = makeField<21>("Growth");
        scenario.groups.groupNames[9] = makeField<21>("Bonds");
        groups[1].take(4.0f);
        groups[1].take(8.0f);
        groups[1].take(6.0f);
        groups[9].take(-1.5f);
    }

    Scenario scenario;
    GroupRateStatsTable groups{};
};

// The texts of a rate statistics block, whose lines are all account rate lines.
Lines rateLines(const std::vector<ScheduleLine>& lines) {
    Lines texts;
    for (const ScheduleLine& line : lines) {
        EXPECT_EQ(line.kind, kAccountRateLine) << line.text;
        texts.push_back(line.text);
    }
    return texts;
}

TEST_F(RateStatistics, AccountOrGroupLinesForThoseThatDrewRates) {
    EXPECT_EQ(rateLines(rateStatisticsBlock(scenario, true, groups)),
              block("rate statistics of accounts"));
    EXPECT_EQ(rateLines(rateStatisticsBlock(scenario, false, groups)),
              block("rate statistics of groups"));
}

TEST_F(RateStatistics, HeadingStandsAloneWhenNothingWasDrawn) {
    scenario.slots.rateStatCount[3] = 0.0f;
    const std::vector<ScheduleLine> heading = {{"Rate Statistics:", kAccountRateLine}};
    EXPECT_EQ(rateStatisticsBlock(scenario, true, groups), heading);
    EXPECT_EQ(rateStatisticsBlock(scenario, false, GroupRateStatsTable{}), heading);
}

TEST(ScheduleText, RedFlagLinesInFixedOrder) {
    RedFlags flags;
    flags.negativeNetWorth.raise(88);
    flags.addFailedTransfer(71);
    flags.addFailedTransfer(72);
    flags.addFailedTransfer(75);
    flags.rmdDepleted.raise(80);
    flags.withdrawalAccountDepleted.raise(79);
    flags.liquidDepleted.raise(100);
    flags.penalty.raise(45);
    EXPECT_EQ(redFlagLines(flags), block("red flags"));
}

TEST(ScheduleText, RedFlagHeadingOnlyWithAFlag) {
    EXPECT_TRUE(redFlagLines(RedFlags{}).empty());

    RedFlags rmdOnly;
    rmdOnly.rmdDepleted.raise(82);
    EXPECT_EQ(redFlagLines(rmdOnly),
              (Lines{"Red flags at age(s):", " 82.0   RMD accounts were depleted."}));

    RedFlags transfersOnly;
    transfersOnly.addFailedTransfer(7);
    EXPECT_EQ(redFlagLines(transfersOnly),
              (Lines{"Red flags at age(s):", " 7.0    There were 1 transfer(s) not completed due "
                                             "to insufficient funds starting at this age."}));
}

} // namespace
} // namespace finplan
