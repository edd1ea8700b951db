#include "editing/scenario_list.h"
#include "model/text_field.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace finplan {
namespace {

EventRecord event(EventType type, float startAge, std::string_view name) {
    EventRecord e;
    e.type = static_cast<std::int16_t>(type);
    e.startAge = startAge;
    setFieldText(e.name, name);
    return e;
}

void addAccount(Scenario& s, std::uint16_t id, std::string_view name, AccountKind kind) {
    AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(s.accounts.accountCount++)];
    a.accountId = id;
    setFieldText(a.name, name);
    a.kind = static_cast<std::uint16_t>(kind);
}

void addEvent(Scenario& s, const EventRecord& e) {
    s.events[static_cast<std::size_t>(s.liveEventCount++)] = e;
}

// Accounts 1 Checking, 2 Boat (an asset), 3 IRA, 4 Savings; scenario from 55.5 to 90.
Scenario baseScenario() {
    Scenario s;
    s.header.startAge = 55.5f;
    s.header.endAge = 90.0f;
    s.header.taxRate = 22.5f;
    s.header.inflationRate = 3.25f;
    addAccount(s, 1, "Checking", AccountKind::InvestmentSavings);
    addAccount(s, 2, "Boat", AccountKind::Asset);
    addAccount(s, 3, "IRA", AccountKind::RetirementSavings);
    addAccount(s, 4, "Savings", AccountKind::InvestmentSavings);
    return s;
}

// One event of every kind, added out of order so that the list has to sort them.
Scenario everyKindScenario() {
    Scenario s = baseScenario();
    s.accounts.assetAllocationMode = 2;
    s.accounts.rmdDistribution = 0;
    s.slots.rmdTargetAccountId = 3;

    EventRecord rmd =
        event(EventType::Rmd, 70, "Uniform -- RMD withdrawal option in effect using Table 1.");
    addEvent(s, rmd);

    EventRecord living = event(EventType::Withdrawal, 60, "Living costs");
    living.endAge = 85;
    living.amount = 12000;
    living.adjustRate = 2.5f;
    living.inflationAdjust = 1;
    living.accountId = 1;
    living.fromAccountFlag() = kAccountChosenMarker;
    addEvent(s, living);

    // One-time: no "/yr.", no adjustments; its account id names no account.
    EventRecord car = event(EventType::Withdrawal, 65, "Car");
    car.oneTime = 1;
    car.amount = 5000;
    car.adjustRate = 3;
    car.inflationAdjust = 1;
    car.accountId = 7;
    car.fromAccountFlag() = kAccountChosenMarker;
    addEvent(s, car);

    EventRecord household = event(EventType::Withdrawal, 58, "Household");
    household.budgetFlag = 1;
    household.endAge = 80;
    household.amount = 18250.75f;
    household.accountId = 4;
    household.fromAccountFlag() = kAccountChosenMarker;
    addEvent(s, household);

    EventRecord lastRates = event(EventType::Fundamentals, 68, "Back to start");
    lastRates.amount = 25;
    lastRates.downPayment = 3.25f;
    lastRates.accountId = 9;
    lastRates.rate = 4;
    addEvent(s, lastRates);

    EventRecord salary = event(EventType::Deposit, 56, "Salary");
    salary.endAge = 62;
    salary.amount = 30000;
    salary.beforeTax() = 1;
    salary.adjustRate = -1.5f;
    salary.accountId = 3;
    addEvent(s, salary);

    EventRecord inheritance = event(EventType::Deposit, 58, "Inheritance");
    inheritance.oneTime = 1;
    inheritance.amount = 10000;
    inheritance.accountId = 4;
    addEvent(s, inheritance);

    EventRecord close = event(EventType::Transfer, 65, "Close savings");
    close.allFunds = 1;
    close.amount = 999;
    close.fromAccountId = 4;
    close.accountId = 1;
    addEvent(s, close);

    EventRecord save = event(EventType::Transfer, 57, "Save");
    save.endAge = 61;
    save.amount = 2400;
    save.inflationAdjust = 1;
    save.fromAccountId = 1;
    save.accountId = 4;
    addEvent(s, save);

    EventRecord sameRates = event(EventType::Fundamentals, 66, "Same again");
    sameRates.amount = 25;
    sameRates.downPayment = 2.75f;
    sameRates.accountId = -1;
    addEvent(s, sameRates);

    EventRecord lowerInflation = event(EventType::Fundamentals, 57, "Lower inflation");
    lowerInflation.amount = 22.5f;
    lowerInflation.downPayment = 2.75f;
    lowerInflation.accountId = -1;
    addEvent(s, lowerInflation);

    EventRecord retireRates = event(EventType::Fundamentals, 63, "Retire rates");
    retireRates.amount = 25;
    retireRates.downPayment = 2.75f;
    retireRates.accountId = 3;
    retireRates.rate = 6.5f;
    addEvent(s, retireRates);

    EventRecord boat = event(EventType::Loan, 59, "Boat loan");
    boat.endAge = 64;
    boat.amount = 20000;
    boat.downPayment = 5000;
    boat.rate = 6;
    boat.years = 5;
    boat.payment = 289.99f;
    boat.adjustRate = 70;
    boat.accountId = 2;
    boat.payAccountId = 1;
    boat.payFromAccountFlag = kAccountChosenMarker;
    addEvent(s, boat);

    EventRecord visa = event(EventType::Loan, 56, "Visa");
    visa.inflationAdjust = kCreditCardMark;
    visa.endAge = 60;
    visa.amount = 5000;
    visa.payment = 250;
    visa.extraPurchases() = 100;
    visa.rate = 18;
    visa.appreciationRate = 4.25f;
    visa.accountId = 1;
    visa.years = kAccountChosenMarker;
    addEvent(s, visa);

    EventRecord house = event(EventType::Mortgage, 60, "House");
    house.endAge = 75;
    house.amount = 300000;
    house.downPayment = 60000;
    house.accountId = 1;
    house.rate = 4.125f; // printf rounds the tie to even: 4.12
    house.years = 15;
    house.payment = 1795.6f;
    house.extraPrincipalMode() = 2;
    house.extraPrincipal = 200;
    house.appreciationRate = 3.5f;
    house.propertyTax = 4200;
    house.closingCosts = 3500.5f;
    house.payAccountId = 4;
    house.payFromAccountFlag = kAccountChosenMarker;
    house.adjustRate = 80;
    house.sellingExpenses = 6;
    addEvent(s, house);

    EventRecord condo = event(EventType::Mortgage, 64, "Condo");
    condo.endAge = 94;
    condo.amount = 150000;
    condo.downPayment = 30000;
    condo.rate = 5;
    condo.years = 30;
    condo.payment = 644.19f;
    condo.extraPrincipalMode() = 1;
    condo.extraPrincipal = 50;
    condo.appreciationRate = 2;
    condo.payAccountId = -1;
    addEvent(s, condo);

    EventRecord allocation =
        event(EventType::AssetAllocation, 62, "Asset allocation withdrawal option in effect.");
    allocation.amount = 25000;
    addEvent(s, allocation);

    EventRecord travel = event(EventType::Budget, 60, "Travel");
    travel.endAge = 75.5f;
    travel.amount = 1234.5f;
    addEvent(s, travel);
    return s;
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
    Scenario s = baseScenario();
    s.accounts.assetAllocationMode = 0; // the allocation is off: its event is not shown
    EventRecord allocation = event(EventType::AssetAllocation, 60, "Allocation");
    allocation.amount = 1000;
    addEvent(s, allocation);
    EventRecord rates = event(EventType::Fundamentals, 60, "Rates");
    rates.amount = 30;
    rates.downPayment = 3.25f;
    rates.accountId = -1;
    addEvent(s, rates);
    EventRecord pension = event(EventType::Deposit, 61, "Pension");
    pension.endAge = 80;
    pension.amount = 9000;
    pension.inflationAdjust = 1;
    pension.accountId = 1;
    addEvent(s, pension);

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
    Scenario s = baseScenario();
    EXPECT_TRUE(buildScenarioList(s).empty());
    EXPECT_EQ(eventForListLine(s, 1), -1);
}

// Debt lines that appear only for some ages and accounts.
TEST(ScenarioList, DebtLinesFollowAgesAndAccounts) {
    Scenario s = baseScenario();
    // Deposited to a non-asset account: no sale shown; paid off at its start: no payoff line.
    EventRecord loan = event(EventType::Loan, 60, "Piano");
    loan.endAge = 60;
    loan.amount = 8000;
    loan.rate = 7.25f;
    loan.years = 12;
    loan.payment = 80;
    loan.adjustRate = 70;
    loan.accountId = 4;
    loan.payAccountId = 1; // without the marker no account was chosen
    addEvent(s, loan);
    // Sold after the scenario ends: no sale lines; the payoff is before that sale.
    EventRecord mortgage = event(EventType::Mortgage, 61, "Cabin");
    mortgage.endAge = 70;
    mortgage.amount = 100000;
    mortgage.downPayment = 0;
    mortgage.rate = 3;
    mortgage.years = 9;
    mortgage.payment = 1000;
    mortgage.appreciationRate = -0.5f;
    mortgage.adjustRate = 95;
    mortgage.sellingExpenses = 5;
    addEvent(s, mortgage);
    // Pays off later than its payoff age: no payoff line.
    EventRecord card = event(EventType::Loan, 62, "Store");
    card.inflationAdjust = kCreditCardMark;
    card.endAge = 64;
    card.amount = 3000;
    card.payment = 100;
    card.appreciationRate = 1.5f;
    card.accountId = -1;
    addEvent(s, card);

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
