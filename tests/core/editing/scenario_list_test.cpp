#include "editing/scenario_list.h"
#include "model/text_field.h"
#include "support/scenario_builder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace finplan {
namespace {

// Accounts 1 Checking, 2 Boat (an asset), 3 IRA, 4 Savings; scenario from 55.5 to 90.
Scenario baseScenario(std::string_view events) {
    return test::makeScenario("header start=55.5 end=90 tax=22.5 inflation=3.25\n"
                              "account name=Checking id=1\n"
                              "account name=Boat kind=asset id=2\n"
                              "account name=IRA kind=retirement id=3\n"
                              "account name=Savings id=4\n" +
                              std::string(events));
}

// One event of every kind, added out of order so that the list has to sort them.
Scenario everyKindScenario() {
    return baseScenario(
        "rmd table=1 start=70 name=Uniform to=IRA distribution=0\n"
        "withdrawal name=\"Living costs\" start=60 end=85 amount=12000 adjust=2.5 inflation=1 "
        "from=Checking\n"
        // One-time: no "/yr.", no adjustments; its account id names no account.
        "withdrawal name=Car start=65 end=0 once=1 amount=5000 adjust=3 inflation=1 from=#7\n"
        "budget number=1 name=Household start=58 end=80 from=Savings\n"
        "item amount=18250.75\n"
        "rates name=\"Back to start\" age=68 tax=25 inflation=3.25 account=#9 rate=4\n"
        "deposit name=Salary start=56 end=62 amount=30000 before-tax=1 adjust=-1.5 to=IRA\n"
        "deposit name=Inheritance start=58 end=0 once=1 amount=10000 to=Savings\n"
        "transfer name=\"Close savings\" start=65 end=0 all=1 amount=999 from=Savings "
        "to=Checking\n"
        "transfer name=Save start=57 end=61 amount=2400 inflation=1 from=Checking to=Savings\n"
        "rates name=\"Same again\" age=66 tax=25 inflation=2.75\n"
        "rates name=\"Lower inflation\" age=57 tax=22.5 inflation=2.75\n"
        "rates name=\"Retire rates\" age=63 tax=25 inflation=2.75 account=IRA rate=6.5\n"
        "loan name=\"Boat loan\" start=59 payoff=64 price=20000 down=5000 rate=6 years=5 "
        "payment=289.99 sell=70 to=Boat pay-from=Checking\n"
        "card name=Visa start=56 payoff=60 balance=5000 payment=250 purchases=100 rate=18 "
        "pay-years=4.25 from=Checking\n"
        // printf rounds the rate's tie to even: 4.12
        "mortgage name=House start=60 payoff=75 amount=300000 down=60000 keep-down=1 rate=4.125 "
        "years=15 payment=1795.6 extra-mode=2 extra=200 appreciation=3.5 tax=4200 "
        "closing=3500.5 pay-from=Savings sell=80 selling=6\n"
        "mortgage name=Condo start=64 payoff=94 amount=150000 down=30000 rate=5 years=30 "
        "payment=644.19 extra-mode=1 extra=50 appreciation=2\n"
        "allocation start=62 minimum=25000 mode=2\n"
        "old-budget name=Travel start=60 end=75.5 amount=1234.5 number=0");
}

const std::vector<std::string> kEveryKindList = {
    " 55.5 Initial Rates  Tax=22.50% Inflation=3.25%",
    " 56.0 Salary - Deposit $30,000.00/yr. before taxes to IRA until age 62.00.",
    "        This deposit will be adjusted each year by -1.50%",
    " 56.0 Visa - Paying off $5,000.00 credit card debt with $250.00/month.",
    "        Additional purchases of $100.00/month added to debt.",
    "        The payments will be withdrawn from the Checking account.",
    "        Paying off Visa at age 60.00.",
    " 57.0 Lower inflation - Rate Change:   Inf.=2.75%  ",
    " 57.0 Save - Transfer $2,400.00/yr. from Checking to Savings until age 61.00.",
    "        This transfer will be adjusted each year by the current inflation rate.",
    " 58.0 Inheritance - Deposit $10,000.00 after taxes to Savings.",
    " 58.0 Budget - Household - Withdraw $18,250.75/yr. until age 80.00.",
    "        The funds will be withdrawn from the Savings account.",
    " 59.0 Boat loan - $20,000.00 $5,000.00 down at 6.00% for  5 yrs. $289.99/Month.",
    "        Loan amount deposited to Boat",
    "        The payments will be withdrawn from the Checking account.",
    "        Paying loan off at age 64.00.",
    "        Selling asset at age 70.00.",
    " 60.0 Budget - Travel - $1,234.50 will be withdrawn until age 75.50.",
    "        This withdrawal will be adjusted each year by the individual budget item's "
    "inflation rate.",
    " 60.0 House - $240,000.00 at 4.12% for 15 yrs. $1,795.60/Month.",
    "        $60,000.00 to equity -- no withdrawal.",
    "        An additional $200.00/Month will be applied to the principal starting at age  55.",
    "        Appreciation rate = 3.50%.",
    "        Property Taxes = 4200.00    ",
    "        Closing Costs = 3500.50    ",
    "        Paying off property at age 75.00.",
    "        The payments will be withdrawn from the Savings account.",
    "        Selling property at age 80.00.",
    "        Selling expenses will be 6.00% of the selling price.",
    " 60.0 Living costs - Withdraw $12,000.00/yr. until age 85.00.",
    "        This withdrawal will be adjusted each year by 2.50%",
    "        This withdrawal will be adjusted each year by the current inflation rate.",
    "        The funds will be withdrawn from the Checking account.",
    " 62.0 Asset allocation withdrawal option in effect.",
    "        Withdrawals over $25,000.00 will be withdrawn each year from the selected accounts "
    "in equal amounts.",
    " 63.0 Retire rates - Rate Change:  Tax=25.00%  IRA=6.50%",
    " 64.0 Condo - $150,000.00 $30,000.00 down at 5.00% for 30 yrs. $644.19/Month.",
    "        An Additional $50.00/Month is applied to the principal.",
    "        Appreciation rate = 2.00%.",
    " 65.0 Close savings - All of the funds from Savings will be transferred to Checking.",
    " 65.0 Car - Withdraw $5,000.00.",
    "        The funds will be withdrawn from the  account.",
    " 66.0 Same again - Rate Change:   ",
    " 68.0 Back to start - Rate Change:   Inf.=3.25%  =4.00%",
    " 70.0 Uniform -- RMD withdrawal option in effect using Table 1.",
    "        The funds will be transferred from the selected accounts in account order.",
    "        The funds will be transferred each year to the IRA account. ",
};

TEST(ScenarioList, EveryKindOfEventGivesItsLinesInEventOrder) {
    Scenario s = everyKindScenario();
    const std::vector<std::string> lines = buildScenarioList(s);
    ASSERT_EQ(lines.size(), kEveryKindList.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], kEveryKindList[i]) << "line " << i;
    }
    // An unknown distribution is shown as account order and becomes it.
    EXPECT_EQ(s.accounts.rmdDistribution, 3);
}

TEST(ScenarioList, EachEventRecordsItsFirstLineAndOwnsItsBlock) {
    Scenario s = everyKindScenario();
    const std::vector<std::string> lines = buildScenarioList(s);
    const std::vector<int> firstLines = {1,  3,  7,  8,  10, 11, 13, 18, 20,
                                         30, 34, 36, 37, 40, 41, 43, 44, 45};
    ASSERT_EQ(s.liveEventCount, static_cast<int>(firstLines.size()));
    for (std::size_t i = 0; i < firstLines.size(); ++i) {
        EXPECT_EQ(s.events[i].listLine, firstLines[i]) << fieldText(s.events[i].name);
    }

    EXPECT_EQ(eventForListLine(s, 0), -1); // the Initial Rates line
    EXPECT_EQ(eventForListLine(s, 20), 8); // the mortgage "House": first line
    EXPECT_EQ(eventForListLine(s, 25), 8); // ... its closing costs
    EXPECT_EQ(eventForListLine(s, 29), 8); // ... its last line
    EXPECT_EQ(eventForListLine(s, 30), 9);
    EXPECT_EQ(eventForListLine(s, 47), 17);
    EXPECT_EQ(eventForListLine(s, static_cast<int>(lines.size())), -1);
    EXPECT_EQ(eventForListLine(s, -3), -1);
}

TEST(ScenarioList, AnEventWithoutLinesOwnsNoLine) {
    // The allocation is off: its event is not shown.
    Scenario s =
        baseScenario("allocation name=Allocation start=60 minimum=1000 mode=0\n"
                     "rates name=Rates age=60 tax=30 inflation=3.25\n"
                     "deposit name=Pension start=61 end=80 amount=9000 inflation=1 to=Checking");

    EXPECT_EQ(buildScenarioList(s),
              (std::vector<std::string>{
                  " 55.5 Initial Rates  Tax=22.50% Inflation=3.25%",
                  " 60.0 Rates - Rate Change:  Tax=30.00%  ",
                  " 61.0 Pension - Deposit $9,000.00/yr. after taxes to Checking until age 80.00.",
                  "        This deposit will be adjusted each year by the current inflation rate.",
              }));
    EXPECT_EQ(s.events[1].listLine, kNoListLine);
    EXPECT_EQ(eventForListLine(s, 1), 0);
    EXPECT_EQ(eventForListLine(s, 3), 2);
    EXPECT_EQ(eventForListLine(s, 4), -1);
}

TEST(ScenarioList, NoEventsGiveNoLinesNotEvenTheHeader) {
    Scenario s = baseScenario("");
    EXPECT_TRUE(buildScenarioList(s).empty());
    EXPECT_EQ(eventForListLine(s, 1), -1);
}

// Debt lines that appear only for some ages and accounts.
TEST(ScenarioList, DebtLinesFollowAgesAndAccounts) {
    Scenario s = baseScenario(
        // Deposited to a non-asset account: no sale shown; paid off at its start: no payoff.
        "loan name=Piano start=60 payoff=60 price=8000 rate=7.25 years=12 payment=80 sell=70 "
        "to=Savings\n"
        // Sold after the scenario ends: no sale lines; the payoff is before that sale.
        "mortgage name=Cabin start=61 payoff=70 amount=100000 rate=3 years=9 payment=1000 "
        "appreciation=-0.5 sell=95 selling=5\n"
        // Pays off later than its payoff age: no payoff line.
        "card name=Store start=62 payoff=64 balance=3000 payment=100 pay-years=1.5");
    s.events[0].payAccountId = 1; // without the marker no account was chosen

    EXPECT_EQ(buildScenarioList(s),
              (std::vector<std::string>{
                  " 55.5 Initial Rates  Tax=22.50% Inflation=3.25%",
                  " 60.0 Piano - $8,000.00 $0.00 down at 7.25% for 12 yrs. $80.00/Month.",
                  "        Loan amount deposited to Savings",
                  " 61.0 Cabin - $100,000.00 $0.00 down at 3.00% for 9 yrs. $1,000.00/Month.",
                  "        Appreciation rate = -0.50%.",
                  "        Paying off property at age 70.00.",
                  " 62.0 Store - Paying off $3,000.00 credit card debt with $100.00/month.",
              }));
}

} // namespace
} // namespace finplan
