#include "engine_fixture.h"
#include "model/event_order.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace finplan {
namespace {

// A plan from 60 to 63 with no growth, so only the events move money.
struct Events : ::testing::Test, test::EngineFixture {
    Events() {
        scenario.header.startAge = 60;
        scenario.header.endAge = 63;
        scenario.header.taxRate = 15;
        scenario.header.inflationRate = 0;
    }

    std::vector<std::string> linesWith(std::string_view part) const {
        std::vector<std::string> found;
        for (const std::string& text : shownLines()) {
            if (text.find(part) != std::string::npos) {
                found.push_back(text);
            }
        }
        return found;
    }
    float year(int index, float YearResult::*field) const {
        return output.tables.years[static_cast<std::size_t>(index)].*field;
    }
    const AccountRecord& account(int index) const {
        return scenario.accounts.accounts[static_cast<std::size_t>(index)];
    }
};

TEST_F(Events, DepositGrowsByItsYearlyChangeAndIsProratedInAPartYear) {
    const auto& bank = addAccount("Bank", AccountKind::TaxFreeSavings, 0, 0);
    EventRecord& pay = addEvent(EventType::Deposit, 60, 70, "Pay");
    pay.amount = 1000;
    pay.adjustRate = 3;
    pay.accountId = static_cast<std::int16_t>(bank.accountId);
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(year(0, &YearResult::deposits), 1000.0f);
    EXPECT_EQ(year(1, &YearResult::deposits), 1030.0f);
    EXPECT_FLOAT_EQ(year(2, &YearResult::deposits), 1060.9f);
    EXPECT_EQ(linesWith("Deposit")[2], "  Pay - Deposit $1,060.90 to Bank");
    EXPECT_FLOAT_EQ(year(3, &YearResult::taxFree), 3090.9f);

    // Half a year at the start: 500 deposited, the amount still grows from 1,000.
    scenario.header.useBirthday = 1;
    scenario.header.birthMonth = 6;
    scenario.header.birthDay = 8; // 181 days before December 6
    clock = FixedClock({2026, 12, 6, 0, 0, 0});
    ASSERT_EQ(run(), 1);
    const float fraction = 1.0f - (scenario.header.startAge - 60.0f);
    EXPECT_FLOAT_EQ(year(0, &YearResult::deposits), 1000.0f * fraction);
    EXPECT_EQ(year(1, &YearResult::deposits), 1030.0f);
}

TEST_F(Events, BeforeTaxDepositIsTaxedAtTheCurrentRate) {
    const auto& bank = addAccount("Bank", AccountKind::InvestmentSavings, 0, 0);
    EventRecord& pay = addEvent(EventType::Deposit, 60, 60, "Bonus");
    pay.amount = 1000;
    pay.oneTime = 1;
    pay.beforeTax() = 1;
    pay.accountId = static_cast<std::int16_t>(bank.accountId);
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(linesWith("Deposit"),
              (std::vector<std::string>{
                  "  Bonus - Deposit $850.00 to Bank. $150.00 tax deducted from deposit.",
                  "  Deposit Taxes = $150.00"}));
    EXPECT_EQ(year(0, &YearResult::deposits), 850.0f);
    EXPECT_EQ(year(1, &YearResult::investment), 850.0f);
}

TEST_F(Events, OneTimeDepositAfterItsEndAgeIsMadeOnceInItsYear) {
    const auto& bank = addAccount("Bank", AccountKind::TaxFreeSavings, 0, 0);
    EventRecord& gift = addEvent(EventType::Deposit, 61, 0, "Gift");
    gift.amount = 500;
    gift.oneTime = 1;
    gift.accountId = static_cast<std::int16_t>(bank.accountId);
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(year(0, &YearResult::deposits), 0.0f);
    EXPECT_EQ(year(1, &YearResult::deposits), 500.0f);
    EXPECT_EQ(year(2, &YearResult::deposits), 0.0f);
    EXPECT_EQ(linesWith("Gift").size(), 1u);
}

TEST_F(Events, RateChangeWritesWhatDiffersAndItsInflationLasts) {
    auto& bank = addAccount("Bank", AccountKind::TaxFreeSavings, 0, 4);
    EventRecord& same = addEvent(EventType::Fundamentals, 60, 60, "Same");
    same.amount = 15; // the tax rate it already is
    same.accountId = -1;
    EventRecord& change = addEvent(EventType::Fundamentals, 61, 61, "Change");
    change.amount = 20;
    change.downPayment = 10;
    change.accountId = static_cast<std::int16_t>(bank.accountId);
    change.rate = 6;
    EventRecord& pay = addEvent(EventType::Deposit, 60, 70, "Pay");
    pay.amount = 100;
    pay.inflationAdjust = 1;
    pay.accountId = static_cast<std::int16_t>(bank.accountId);
    scenario.header.endAge = 64;
    sortEvents(scenario);
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(linesWith("Rate"),
              (std::vector<std::string>{"  Same - Rate Changes: ", "  Change - Rate Changes: ",
                                        "     Tax Rate = 20.00%", "     Inflation Rate = 10.00%"}));
    EXPECT_EQ(linesWith("     Bank = "), std::vector<std::string>{"     Bank = 6.00%"});
    // The deposit comes before the change in the table, so it grows by 0 % at 61 and by the
    // new 10 % in every later year.
    EXPECT_EQ(year(1, &YearResult::deposits), 100.0f);
    EXPECT_EQ(year(2, &YearResult::deposits), 100.0f);
    EXPECT_FLOAT_EQ(year(3, &YearResult::deposits), 110.0f);
    EXPECT_EQ(scenario.header.inflationRate, 0.0f); // the entered rate is back after the run
    EXPECT_EQ(bank.rate, 4.0f);
}

TEST_F(Events, TransfersOutOfRetirementAreTaxedAndShortOnesReported) {
    const auto& ira = addAccount("IRA", AccountKind::RetirementSavings, 3000, 0);
    const auto& ira2 = addAccount("IRA2", AccountKind::RetirementSavings, 0, 0);
    const auto& bank = addAccount("Bank", AccountKind::InvestmentSavings, 100000, 0);
    EventRecord& roll = addEvent(EventType::Transfer, 60, 60, "Roll");
    roll.amount = 1000;
    roll.oneTime = 1;
    roll.fromAccountId = static_cast<std::int16_t>(ira.accountId);
    roll.accountId = static_cast<std::int16_t>(ira2.accountId);
    EventRecord& cash = addEvent(EventType::Transfer, 61, 61, "Cash");
    cash.amount = 5000;
    cash.oneTime = 1;
    cash.fromAccountId = static_cast<std::int16_t>(ira.accountId);
    cash.accountId = static_cast<std::int16_t>(bank.accountId);
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(year(0, &YearResult::taxes), 0.0f); // Retirement to Retirement
    EXPECT_EQ(linesWith("Transfer"),
              (std::vector<std::string>{"  Roll  Transfer $1,000.00 from IRA to IRA2 ",
                                        "  Cash  Transfer $2,000.00 from IRA to Bank "}));
    EXPECT_EQ(linesWith("not transferred"),
              std::vector<std::string>{"  Cash - IRA depleted $3,000.00 not transferred!"});
    EXPECT_FLOAT_EQ(year(1, &YearResult::taxes), 300.0f); // 15 % of the 2,000 moved
    EXPECT_EQ(output.redFlags.failedTransferCount, 1);
    EXPECT_EQ(output.redFlags.failedTransferAge, 61);
    EXPECT_EQ(account(0).balance, 0.0f);
}

TEST_F(Events, BudgetItemsGrowByTheirOwnRates) {
    addAccount("Bank", AccountKind::InvestmentSavings, 100000, 0);
    Budget& budget = scenario.budgets[1];
    budget.itemCount = 2;
    budget.itemYearly[0] = 1200;
    budget.itemYearly[1] = 1000;
    budget.itemApplyRate[1] = 5;
    budget.itemTrack[1] = 1;
    setFieldText(budget.itemName[1], "Food");
    budget.yearlyTotal = 2200;
    EventRecord& living = addEvent(EventType::Withdrawal, 60, 70, "Living");
    living.budgetFlag = 1;
    living.budgetNumber = 2;
    living.amount = 2200;
    living.accountId = -1;
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(year(0, &YearResult::withdrawals), 2200.0f);
    EXPECT_EQ(year(1, &YearResult::withdrawals), 2250.0f);
    EXPECT_EQ(linesWith("Living")[1], "  Budget - Living - Withdraw $2,250.00");
    EXPECT_EQ(linesWith("Food")[1], "                Food - $1,050.00");
    EXPECT_EQ(linesWith("Tracking").size(), 3u);
}

TEST_F(Events, WithdrawalsOfOneYearAreFundedInTableOrder) {
    const auto& first = addAccount("First", AccountKind::InvestmentSavings, 1000, 0, "1");
    const auto& second = addAccount("Second", AccountKind::InvestmentSavings, 1000, 0, "2");
    EventRecord& a = addEvent(EventType::Withdrawal, 60, 60, "A");
    a.amount = 800;
    a.oneTime = 1;
    a.accountId = -1;
    EventRecord& b = addEvent(EventType::Withdrawal, 60, 60, "B");
    b.amount = 800;
    b.oneTime = 1;
    b.accountId = static_cast<std::int16_t>(first.accountId);
    b.fromAccountFlag() = kAccountChosenMarker;
    switches.detailedResults = true;
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(linesWith(" from "),
              (std::vector<std::string>{"      $800.00 from First", "      $200.00 from First",
                                        "      Withdrawal account First depleted $600.00 "
                                        "withdrawn from other accounts!",
                                        "      $600.00 from Second"}));
    EXPECT_EQ(account(0).balance, 0.0f);
    EXPECT_EQ(second.balance, 400.0f);
}

TEST_F(Events, AnEventWhoseAccountIsGoneBooksNothing) {
    addAccount("Bank", AccountKind::InvestmentSavings, 1000, 0);
    EventRecord& pay = addEvent(EventType::Deposit, 60, 61, "Pay");
    pay.amount = 100;
    pay.accountId = 42;
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(year(0, &YearResult::deposits), 0.0f);
    EXPECT_EQ(linesWith("Pay")[0],
              "  Pay - The account of this event no longer exists; nothing was booked.");
    EXPECT_EQ(year(1, &YearResult::investment), 1000.0f);
}

} // namespace
} // namespace finplan
