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
    void penaltyOn(AccountRecord& account, float age, float rate) {
        account.penaltyApplies = 1;
        scenario.slots.penaltyAge[account.slot] = age;
        scenario.slots.penaltyRate[account.slot] = rate;
    }
    void fund(float amount, int purpose = kOrdinaryWithdrawal) {
        fundWithdrawal(context, amount, context.age, purpose, 3);
    }
};

TEST_F(Funding, TakesLiquidAccountsInOrderWithTaxAndPenalty) {
    AccountRecord& equity = addAccount("House", AccountKind::Equity, 10000, 3);
    AccountRecord& investment = addAccount("Broker", AccountKind::InvestmentSavings, 300, 5);
    AccountRecord& retirement = addAccount("IRA", AccountKind::RetirementSavings, 1000, 7);
    retirement.slot = 2;
    penaltyOn(retirement, 59, 10);
    atAge(50, 20);
    context.totals.retirementTotal = 1000;
    context.totals.investmentTotal = 300;
    switches.detailedResults = true;
    fund(500);
    EXPECT_EQ(equity.balance, 10000.0f);
    EXPECT_EQ(investment.balance, 0.0f);
    EXPECT_EQ(retirement.balance, 800.0f);
    EXPECT_EQ(context.totals.investmentTotal, 0.0f);
    EXPECT_EQ(context.totals.retirementTotal, 800.0f);
    EXPECT_FLOAT_EQ(context.flows.taxes, 40.0f);
    EXPECT_FLOAT_EQ(context.flows.withdrawalTaxes, 40.0f);
    EXPECT_FLOAT_EQ(context.flows.penalties, 20.0f);
    EXPECT_EQ(scenario.slots.firstWithdrawalAge[2], 50);
    ASSERT_EQ(output.schedule.lines.size(), 2u);
    EXPECT_EQ(output.schedule.lines[0].text, "      $300.00 from Broker");
    EXPECT_EQ(output.schedule.lines[1].text, "      $200.00 from IRA");
    EXPECT_EQ(output.schedule.lines[1].kind, 3);
    EXPECT_FALSE(output.redFlags.liquidDepleted.set);
}

TEST_F(Funding, TaxPaymentsArePenalisedOnlyAndPenaltyPaymentsNeither) {
    AccountRecord& retirement = addAccount("IRA", AccountKind::RetirementSavings, 1000, 7);
    penaltyOn(retirement, 59, 10);
    atAge(50, 20);
    fund(200, kTaxPayment);
    EXPECT_EQ(context.flows.taxes, 0.0f);
    EXPECT_FLOAT_EQ(context.flows.penalties, 20.0f);
    fund(100, kPenaltyPayment);
    EXPECT_EQ(context.flows.taxes, 0.0f);
    EXPECT_FLOAT_EQ(context.flows.penalties, 20.0f);
    EXPECT_EQ(retirement.balance, 700.0f);

    atAge(59, 20); // from the penalty age on, no penalty
    fund(100);
    EXPECT_FLOAT_EQ(context.flows.penalties, 20.0f);
    EXPECT_FLOAT_EQ(context.flows.taxes, 20.0f);
}

TEST_F(Funding, WhatNoAccountCoversIsChargedToTheFirstInvestmentAccount) {
    addAccount("Car", AccountKind::Asset, 5000, 0);
    AccountRecord& first = addAccount("Broker", AccountKind::InvestmentSavings, 0, 5);
    AccountRecord& second = addAccount("Bank", AccountKind::InvestmentSavings, 0, 1);
    atAge(63, 15);
    switches.detailedResults = true;
    fund(1000);
    EXPECT_EQ(first.balance, -1000.0f);
    EXPECT_EQ(second.balance, 0.0f);
    EXPECT_EQ(context.totals.investmentTotal, -1000.0f);
    EXPECT_TRUE(output.redFlags.liquidDepleted.set);
    EXPECT_EQ(output.redFlags.liquidDepleted.age, 63);
    ASSERT_EQ(output.schedule.lines.size(), 1u);
    EXPECT_EQ(output.schedule.lines[0].text,
              "      Savings depleted -- $1,000.00 withdrawn from Broker.");
    atAge(64, 15);
    fund(10);
    EXPECT_EQ(output.redFlags.liquidDepleted.age, 63); // the first age stays
}

TEST_F(Funding, AnExactBalanceStopsTheFundingWithoutZeroDraws) {
    AccountRecord& a = addAccount("A", AccountKind::InvestmentSavings, 400, 0);
    AccountRecord& b = addAccount("B", AccountKind::InvestmentSavings, 900, 0);
    atAge(50, 15);
    switches.detailedResults = true;
    fund(400);
    EXPECT_EQ(a.balance, 0.0f);
    EXPECT_EQ(b.balance, 900.0f);
    ASSERT_EQ(output.schedule.lines.size(), 1u);
    EXPECT_EQ(output.schedule.lines[0].text, "      $400.00 from A");
    EXPECT_FALSE(output.redFlags.liquidDepleted.set);
}

TEST_F(Funding, RunInYearsFundNothing) {
    AccountRecord& a = addAccount("A", AccountKind::InvestmentSavings, 400, 0);
    atAge(39, 15);
    fund(100);
    EXPECT_EQ(a.balance, 400.0f);
}

struct Allocation : Funding {
    void SetUp() override {
        for (const float amount : {100.0f, 5000.0f, 5000.0f}) {
            AccountRecord& a = addAccount("M", AccountKind::InvestmentSavings, amount, 0);
            a.slot = static_cast<std::uint16_t>(scenario.accounts.accountCount - 1);
            scenario.slots.inAssetAllocation[a.slot] = 1;
        }
        scenario.accounts.assetAllocationMode = 2;
        scenario.accounts.aaStartAge = 65;
        scenario.accounts.aaMinimumWithdrawal = 1000;
    }
    float balance(int i) const {
        return scenario.accounts.accounts[static_cast<std::size_t>(i)].balance;
    }
};

TEST_F(Allocation, EqualSharesCarryWhatAnAccountLacks) {
    atAge(65, 15);
    fund(1500);
    EXPECT_EQ(balance(0), 0.0f);
    EXPECT_FLOAT_EQ(balance(1), 4100.0f);
    EXPECT_FLOAT_EQ(balance(2), 4500.0f);
    EXPECT_FALSE(output.redFlags.liquidDepleted.set);
}

TEST_F(Allocation, ProportionalAndInverseShares) {
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

TEST_F(Funding, ChosenAccountHandsBackWhatItCannotCover) {
    AccountRecord& car = addAccount("Car", AccountKind::Asset, 5000, 0);
    AccountRecord& bank = addAccount("Bank", AccountKind::TaxFreeSavings, 300, 0);
    scenario.header.startAge = 40;
    atAge(45, 15);
    EXPECT_EQ(withdrawFromAccount(context, 200, 4, bank.accountId), 0.0f);
    EXPECT_EQ(bank.balance, 100.0f);
    EXPECT_FALSE(output.redFlags.withdrawalAccountDepleted.set);
    EXPECT_FLOAT_EQ(withdrawFromAccount(context, 250, 4, bank.accountId), 150.0f);
    EXPECT_TRUE(output.redFlags.withdrawalAccountDepleted.set);
    EXPECT_EQ(output.redFlags.withdrawalAccountDepleted.age, 45);
    EXPECT_EQ(withdrawFromAccount(context, 70, 4, car.accountId), 70.0f);
    EXPECT_EQ(car.balance, 5000.0f);
    ASSERT_EQ(output.schedule.lines.size(), 2u);
    EXPECT_EQ(output.schedule.lines[0].text,
              "      Withdrawal account Bank depleted $150.00 withdrawn from other accounts!");
    EXPECT_EQ(output.schedule.lines[1].text,
              "      Withdrawal account Car depleted $70.00 withdrawn from other accounts!");
}

} // namespace
} // namespace finplan
