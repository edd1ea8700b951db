#include "engine/funding.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace finplan {
namespace {

// A run context stopped inside a shown year at `age`, to fund amounts directly.
struct Funding : ::testing::Test, test::EngineFixture {
    RunContext context{scenario, output, switches, environment, outputs};

    void atAge(float age, float taxRate) {
        context.age = age;
        context.displayStartAge = 40.0f;
        context.rates.taxRate = taxRate;
    }
    void fund(float amount, int purpose = kOrdinaryWithdrawal) {
        fundWithdrawal(context, amount, context.age, purpose, 3);
    }
    std::vector<std::string> lines() const { return shownLines(); }
};

TEST_F(Funding, TakesLiquidAccountsInOrderWithTaxAndPenalty) {
    add(test::textBlock("engine/funding_scenarios.txt",
                        "TakesLiquidAccountsInOrderWithTaxAndPenalty"));
    atAge(50, 20);
    context.totals.retirementTotal = 1000;
    context.totals.investmentTotal = 300;
    switches.detailedResults = true;
    fund(500);
    EXPECT_EQ(account("House").balance, 10000.0f);
    EXPECT_EQ(account("Broker").balance, 0.0f);
    EXPECT_EQ(account("IRA").balance, 800.0f);
    EXPECT_EQ(context.totals.investmentTotal, 0.0f);
    EXPECT_EQ(context.totals.retirementTotal, 800.0f);
    EXPECT_FLOAT_EQ(context.flows.taxes, 40.0f);
    EXPECT_FLOAT_EQ(context.flows.withdrawalTaxes, 40.0f);
    EXPECT_FLOAT_EQ(context.flows.penalties, 20.0f);
    EXPECT_EQ(scenario.slots.firstWithdrawalAge[2], 50);
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"      $300.00 from Broker", "      $200.00 from IRA"}));
    EXPECT_EQ(output.schedule.lines[1].kind, 3);
    EXPECT_FALSE(output.redFlags.liquidDepleted.set);
}

TEST_F(Funding, TaxPaymentsArePenalisedOnlyAndPenaltyPaymentsNeither) {
    AccountRecord& ira =
        add("account name=IRA kind=retirement amount=1000 rate=7 penalty=59").account("IRA");
    atAge(50, 20);
    fund(200, kTaxPayment);
    EXPECT_EQ(context.flows.taxes, 0.0f);
    EXPECT_FLOAT_EQ(context.flows.penalties, 20.0f);
    fund(100, kPenaltyPayment);
    EXPECT_EQ(context.flows.taxes, 0.0f);
    EXPECT_FLOAT_EQ(context.flows.penalties, 20.0f);
    EXPECT_EQ(ira.balance, 700.0f);

    atAge(59, 20); // from the penalty age on, no penalty
    fund(100);
    EXPECT_FLOAT_EQ(context.flows.penalties, 20.0f);
    EXPECT_FLOAT_EQ(context.flows.taxes, 20.0f);
}

TEST_F(Funding, WhatNoAccountCoversIsChargedToTheFirstInvestmentAccount) {
    add(test::textBlock("engine/funding_scenarios.txt",
                        "WhatNoAccountCoversIsChargedToTheFirstInvestmentAccount"));
    atAge(63, 15);
    switches.detailedResults = true;
    fund(1000);
    EXPECT_EQ(account("Broker").balance, -1000.0f);
    EXPECT_EQ(account("Bank").balance, 0.0f);
    EXPECT_EQ(context.totals.investmentTotal, -1000.0f);
    EXPECT_EQ(output.redFlags.liquidDepleted.age, 63);
    EXPECT_EQ(lines(), std::vector<std::string>{
                           "      Savings depleted -- $1,000.00 withdrawn from Broker."});
    atAge(64, 15);
    fund(10);
    EXPECT_EQ(output.redFlags.liquidDepleted.age, 63); // the first age stays
}

TEST_F(Funding, AnExactBalanceStopsTheFundingWithoutZeroDrawsAndRunInYearsFundNothing) {
    add("account name=A amount=400\naccount name=B amount=900");
    atAge(39, 15);
    fund(100);
    EXPECT_EQ(account("A").balance, 400.0f);
    atAge(50, 15);
    switches.detailedResults = true;
    fund(400);
    EXPECT_EQ(account("A").balance, 0.0f);
    EXPECT_EQ(account("B").balance, 900.0f);
    EXPECT_EQ(lines(), std::vector<std::string>{"      $400.00 from A"});
    EXPECT_FALSE(output.redFlags.liquidDepleted.set);
}

TEST_F(Funding, ChosenAccountHandsBackWhatItCannotCover) {
    add(test::textBlock("engine/funding_scenarios.txt", "ChosenAccountHandsBackWhatItCannotCover"));
    const int car = account("Car").accountId;
    const int bank = account("Bank").accountId;
    atAge(45, 15);
    EXPECT_EQ(withdrawFromAccount(context, 200, 4, bank), 0.0f);
    EXPECT_EQ(account("Bank").balance, 100.0f);
    EXPECT_FALSE(output.redFlags.withdrawalAccountDepleted.set);
    EXPECT_FLOAT_EQ(withdrawFromAccount(context, 250, 4, bank), 150.0f);
    EXPECT_EQ(output.redFlags.withdrawalAccountDepleted.age, 45);
    EXPECT_EQ(withdrawFromAccount(context, 70, 4, car), 70.0f);
    EXPECT_EQ(account("Car").balance, 5000.0f);
    EXPECT_EQ(lines(), (test::linesOf(test::textBlock("engine/funding_texts.txt",
                                                      "ChosenAccountHandsBackWhatItCannotCover"))));
}

// Three allocation members of 100, 5,000 and 5,000, equal shares from 65 over 1,000.
struct Allocation : Funding {
    void SetUp() override {
        add(test::textBlock("engine/funding_scenarios.txt",
                            "ChosenAccountHandsBackWhatItCannotCover 2"));
    }
    float balance(int i) const {
        return scenario.accounts.accounts[static_cast<std::size_t>(i)].balance;
    }
};

TEST_F(Allocation, ProportionalEqualAndInverseShares) {
    atAge(65, 15);
    computeAllocationShares(context);
    EXPECT_FLOAT_EQ(context.allocationShare[0], 1.0f / 3);
    scenario.accounts.assetAllocationMode = 1;
    computeAllocationShares(context);
    EXPECT_FLOAT_EQ(context.allocationShare[0], 100.0f / 10100.0f);
    EXPECT_FLOAT_EQ(context.allocationShare[1], 5000.0f / 10100.0f);
    scenario.accounts.assetAllocationMode = 3;
    computeAllocationShares(context);
    EXPECT_FLOAT_EQ(context.allocationShare[0], 1.0f - 100.0f / 10100.0f);
}

TEST_F(Allocation, BelowTheMinimumOrTheStartAgeFundsInTableOrder) {
    atAge(65, 15);
    fund(999);
    EXPECT_EQ(balance(0), 0.0f);
    EXPECT_EQ(balance(1), 4101.0f);
    EXPECT_EQ(balance(2), 5000.0f);

    atAge(64, 15);
    fund(1500);
    EXPECT_EQ(balance(1), 2601.0f);
    EXPECT_EQ(balance(2), 5000.0f);
}

TEST_F(Allocation, AtMostOneDollarUncoveredCountsAsCovered) {
    atAge(65, 15);
    scenario.accounts.accounts[1].balance = 0;
    scenario.accounts.accounts[2].balance = 0;
    scenario.accounts.accounts[0].balance = 1000.5f;
    EXPECT_EQ(fundByAllocation(context, 1001.4f, 65, kOrdinaryWithdrawal, -1), 0.0f);
    scenario.accounts.accounts[0].balance = 1000.0f;
    EXPECT_FLOAT_EQ(fundByAllocation(context, 1001.5f, 65, kOrdinaryWithdrawal, -1), 1.5f);
}

} // namespace
} // namespace finplan
