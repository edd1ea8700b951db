#include "engine/debt_events.h"
#include "engine_fixture.h"
#include "results/money_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace finplan {
namespace {

// A run context driven by hand: the scenario starts at 40, and each call acts at the age
// given, as the event step does for a debt event.
struct Debts : ::testing::Test, test::EngineFixture {
    RunContext context{scenario, output, switches, environment, outputs};

    Debts() {
        scenario.header.startAge = 40;
        scenario.header.endAge = 90;
        context.displayStartAge = 40;
    }

    EventRecord& event(int index) { return scenario.events[static_cast<std::size_t>(index)]; }

    EventRecord& addDebt(EventType type, float start, float payoff, float amount, float rate,
                         int years, std::string_view name) {
        EventRecord& e = addEvent(type, start, payoff, name);
        e.amount = amount;
        e.rate = rate;
        e.years = static_cast<std::int16_t>(years);
        e.accountId = 0;
        return e;
    }
    EventRecord& addCard(float start, float payoff, float balance, float payment,
                         const AccountRecord& payer) {
        EventRecord& e = addEvent(EventType::Loan, start, payoff, "Card");
        e.inflationAdjust = kCreditCardMark;
        e.amount = balance;
        e.currentAmount = balance; // as the run sets it before its first year
        e.payment = payment;
        e.rate = 18;
        e.accountId = static_cast<std::int16_t>(payer.accountId);
        e.years = kAccountChosenMarker;
        return e;
    }

    void start(int index, float age) {
        context.age = age;
        EventRecord& e = event(index);
        e.currentAmount = e.amount;
        e.state = 1;
        e.sold = 0;
        startDebtEvent(context, index);
    }
    // One year at `age`: the start when it is due, then the year's step while active.
    void year(int index, float age) {
        context.age = age;
        if (event(index).state == 0 && event(index).startAge <= age) {
            start(index, age);
        }
        if (event(index).state == 1) {
            applyDebtYear(context, index);
        }
    }
    void years(int index, float from, float to) {
        for (float age = from; age <= to; age += 1.0f) {
            year(index, age);
        }
    }
    std::vector<std::string> lines() const { return shownLines(); }
    void clearLines() { output.schedule.lines.clear(); }
    std::vector<std::string> linesWith(std::string_view part) const {
        std::vector<std::string> found;
        for (const std::string& text : shownLines()) {
            if (text.find(part) != std::string::npos) {
                found.push_back(text);
            }
        }
        return found;
    }
};

using Lines = std::vector<std::string>;

TEST_F(Debts, LoanIntoASavingsAccountIsDepositedLessItsDownPayment) {
    AccountRecord& broker = addAccount("Broker", AccountKind::InvestmentSavings, 0, 5);
    EventRecord& car = addDebt(EventType::Loan, 40, 45, 10000, 6, 5, "Car");
    car.accountId = static_cast<std::int16_t>(broker.accountId);
    car.downPayment = 2000;
    car.appreciationRate = 4;
    start(0, 40);
    EXPECT_EQ(lines(), (Lines{"  Car - Deposit $10,000.00 to Broker from loan",
                              "  Car - Withdraw $2,000.00 for down payment"}));
    EXPECT_EQ(output.schedule.lines[1].kind, 0);
    EXPECT_NEAR(car.payment, 154.66f, 0.005f);
    EXPECT_EQ(car.appreciationRate, 0.0f);
    EXPECT_EQ(broker.balance, 8000.0f);
    EXPECT_EQ(context.totals.investmentTotal, 8000.0f);
    EXPECT_EQ(context.totals.liabilities, 8000.0f);
    EXPECT_EQ(context.flows.loans, 8000.0f);
    EXPECT_EQ(context.flows.incomingTotal, 8000.0f);
}

TEST_F(Debts, LoanWithoutItsAccountIsNotBooked) {
    addAccount("Broker", AccountKind::InvestmentSavings, 1000, 5);
    EventRecord& car = addDebt(EventType::Loan, 40, 45, 10000, 6, 5, "Car");
    car.accountId = 77;
    car.downPayment = 2000;
    years(0, 40, 46);
    EXPECT_EQ(lines(),
              Lines{"  Car - The account of this event no longer exists; nothing was booked."});
    EXPECT_EQ(car.state, 2);
    EXPECT_EQ(context.totals.liabilities, 0.0f);
    EXPECT_EQ(context.totals.investmentTotal, 0.0f);
    EXPECT_EQ(context.flows.loans, 0.0f);
    EXPECT_EQ(scenario.accounts.accounts[0].balance, 1000.0f);
}

TEST_F(Debts, ZeroRateAssetLoanPaysEvenlyAndIsSoldAtItsSellAge) {
    AccountRecord& boat = addAccount("Boat", AccountKind::Asset, 0, 0);
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 10000, 0);
    context.totals.investmentTotal = 10000;
    EventRecord& loan = addDebt(EventType::Loan, 40, 60, 12000, 0, 10, "Boat loan");
    loan.accountId = static_cast<std::int16_t>(boat.accountId);
    loan.adjustRate = 43; // sell age
    years(0, 40, 42);
    EXPECT_EQ(loan.payment, 100.0f);
    EXPECT_EQ(lines(), (Lines{"  Boat loan - Transfer $12,000.00 to Boat from loan",
                              "  Boat loan - Withdraw $1,200.00 for monthly payments - "
                              "principal=$1,200.00 interest=$0.00",
                              "  Boat loan - Withdraw $1,200.00 for monthly payments - "
                              "principal=$1,200.00 interest=$0.00",
                              "  Boat loan - Withdraw $1,200.00 for monthly payments - "
                              "principal=$1,200.00 interest=$0.00"}));
    EXPECT_EQ(bank.balance, 6400.0f);
    EXPECT_EQ(context.totals.assetTotal, 12000.0f);
    EXPECT_EQ(context.totals.liabilities, 8400.0f);

    clearLines();
    year(0, 43); // the year of the sale pays no months
    EXPECT_EQ(lines(),
              (Lines{"  Boat loan - Sold asset for $12,000.00",
                     "      Deposited $12,000.00 to Bank", "   Paid off loan with $8,400.00",
                     "    Total Principal=$3,600.00 Total Interest=$0.00"}));
    EXPECT_EQ(loan.monthIndex(), 36);
    EXPECT_EQ(loan.state, 2);
    EXPECT_EQ(loan.currentAmount, 0.0f);
    EXPECT_EQ(loan.principalPaid, 12000.0f);
    EXPECT_EQ(boat.balance, 0.0f);
    EXPECT_EQ(bank.balance, 10000.0f);
    EXPECT_EQ(context.totals.investmentTotal, 10000.0f);
    EXPECT_EQ(context.totals.assetTotal, 0.0f);
    EXPECT_EQ(context.totals.liabilities, 0.0f);
}

TEST_F(Debts, EquityLoanSaleAndLiquidLoanPayoff) {
    AccountRecord& shares = addAccount("Shares", AccountKind::Equity, 0, 0);
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 50000, 0);
    EventRecord& stake = addDebt(EventType::Loan, 40, 60, 6000, 0, 5, "Stake");
    stake.accountId = static_cast<std::int16_t>(shares.accountId);
    stake.adjustRate = 41;
    EventRecord& car = addDebt(EventType::Loan, 40, 41, 6000, 0, 5, "Car");
    car.accountId = static_cast<std::int16_t>(bank.accountId);
    years(0, 40, 41);
    years(1, 40, 41);
    EXPECT_EQ(linesWith("Stake"),
              (Lines{"  Stake - Transfer $6,000.00 to Shares from loan",
                     "  Stake - Withdraw $1,200.00 for monthly payments - principal=$1,200.00 "
                     "interest=$0.00",
                     "  Stake - Sold equity for $6,000.00"}));
    EXPECT_EQ(linesWith("Car"),
              (Lines{"  Car - Deposit $6,000.00 to Bank from loan",
                     "  Car - Withdraw $1,200.00 for monthly payments - principal=$1,200.00 "
                     "interest=$0.00",
                     "   Car - Paid off loan with $4,800.00"}));
    EXPECT_EQ(linesWith("Paid off loan"),
              (Lines{"   Paid off loan with $4,800.00", "   Car - Paid off loan with $4,800.00"}));
    EXPECT_EQ(linesWith("Total"), (Lines{"    Total Principal=$1,200.00 Total Interest=$0.00",
                                         "    Total Principal=$1,200.00 Total Interest=$0.00"}));
    EXPECT_EQ(shares.balance, 0.0f);
    EXPECT_EQ(context.totals.equityTotal, 0.0f);
    EXPECT_EQ(context.totals.liabilities, 0.0f);
    EXPECT_EQ(stake.state, 2);
    EXPECT_EQ(car.state, 1); // a loan without a sale stays active, paid off
    EXPECT_EQ(car.oneTime, 1);
    // 50,000 + 6,000 loaned, 2 x 1,200 paid, 6,000 sale, 2 x 4,800 paid off.
    EXPECT_EQ(bank.balance, 50000.0f);
}

TEST_F(Debts, TermOverStopsThePaymentsWithoutAPayoff) {
    addAccount("Bank", AccountKind::InvestmentSavings, 50000, 0);
    EventRecord& loan = addDebt(EventType::Loan, 40, 50, 2400, 0, 2, "Short");
    loan.accountId = 0;
    years(0, 40, 52);
    EXPECT_EQ(linesWith("monthly").size(), 2u);
    EXPECT_TRUE(linesWith("Paid off").empty());
    EXPECT_EQ(loan.monthIndex(), 24);
    EXPECT_EQ(loan.oneTime, 1);
    EXPECT_EQ(context.totals.liabilities, 0.0f);
}

TEST_F(Debts, MortgageStartWithdrawsDownPaymentAndClosingCostsFromItsAccount) {
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 100000, 0);
    AccountRecord& savings = addAccount("Savings", AccountKind::TaxFreeSavings, 100000, 0);
    EventRecord& home = addDebt(EventType::Mortgage, 40, 70, 300000, 6, 30, "Home");
    home.downPayment = 60000;
    home.closingCosts = 5000;
    home.payAccountId = static_cast<std::int16_t>(savings.accountId);
    home.payFromAccountFlag = kAccountChosenMarker;
    start(0, 40);
    EXPECT_EQ(lines(), (Lines{"  Home - Withdraw $60,000.00 for down payment",
                              "  Home - Withdraw $5,000.00 for closing costs"}));
    EXPECT_NEAR(home.payment, 1438.92f, 0.005f);
    EXPECT_EQ(savings.balance, 35000.0f);
    EXPECT_EQ(bank.balance, 100000.0f);
    EXPECT_EQ(context.totals.liabilities, 240000.0f);
    EXPECT_EQ(context.totals.assetTotal, 240000.0f);
    EXPECT_EQ(context.totals.equityTotal, 60000.0f);
    EXPECT_EQ(context.flows.closingCosts, 5000.0f);
}

TEST_F(Debts, MortgageDownPaymentKeptAsEquityIsNotWithdrawn) {
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 100000, 0);
    EventRecord& home = addDebt(EventType::Mortgage, 40, 70, 300000, 6, 30, "Home");
    home.downPayment = 60000;
    home.accountId = 1;
    start(0, 40);
    EXPECT_EQ(lines(), Lines{"  Home - $60,000.00 to equity."});
    EXPECT_EQ(bank.balance, 100000.0f);
    EXPECT_EQ(context.totals.equityTotal, 60000.0f);
    EXPECT_EQ(context.totals.liabilities, 240000.0f);
}

TEST_F(Debts, MortgageBegunBeforeTheScenarioIsReplayedFromItsStart) {
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 50000, 0);
    EventRecord& home = addDebt(EventType::Mortgage, 30, 60, 100000, 6, 30, "Home");
    years(0, 30, 39);
    EXPECT_EQ(home.monthIndex(), 120);
    EXPECT_TRUE(lines().empty());      // run-in years show nothing
    EXPECT_EQ(bank.balance, 50000.0f); // and pay nothing
    EXPECT_NEAR(home.principalPaid, 16314.31f, 0.005f);
    clearYearFlows(context.flows);
    year(0, 40);
    EXPECT_EQ(lines(), Lines{"  Home - Withdraw $7,194.61 for monthly payments - "
                             "principal=$2,234.25 interest=$4,960.36"});
    EXPECT_EQ(home.monthIndex(), 132);
    EXPECT_NEAR(bank.balance, 50000.0f - 7194.61f, 0.01f);
    EXPECT_NEAR(context.totals.liabilities, 81451.45f, 0.01f); // 100000 less both principals
    EXPECT_FLOAT_EQ(context.totals.assetTotal, context.totals.liabilities);
    EXPECT_FLOAT_EQ(context.totals.equityTotal, home.principalPaid);
    EXPECT_NEAR(context.flows.interestPaid, 4960.36f, 0.005f);
}

TEST_F(Debts, ExtraPrincipalFromTheScenarioStartSkipsRunInYearsAndEndsEarly) {
    addAccount("Bank", AccountKind::InvestmentSavings, 1000000, 0);
    EventRecord& plain = addDebt(EventType::Mortgage, 30, 80, 100000, 6, 30, "Plain");
    EventRecord& fast = addDebt(EventType::Mortgage, 30, 80, 100000, 6, 30, "Fast");
    fast.extraPrincipal = 200;
    fast.extraPrincipalMode() = 2;
    EventRecord& early = addDebt(EventType::Mortgage, 30, 80, 100000, 6, 30, "Early");
    early.extraPrincipal = 200;
    early.extraPrincipalMode() = 1; // from the mortgage's own start
    for (float age = 30; age < 40; age += 1.0f) {
        year(0, age);
        year(1, age);
        year(2, age);
    }
    EXPECT_EQ(fast.principalPaid, plain.principalPaid);
    EXPECT_EQ(fast.totalInterestPaid, plain.totalInterestPaid);
    EXPECT_GT(early.principalPaid, plain.principalPaid + 10 * 2400.0f);
    for (float age = 40; age <= 55; age += 1.0f) {
        year(1, age);
    }
    const Lines paid = linesWith("Fast - Withdraw");
    ASSERT_EQ(paid.size(), 13u); // 40 to 52; the loan ends in its 269th month
    EXPECT_EQ(paid[0], "  Fast - Withdraw $9,594.61 for monthly payments - principal=$4,701.36 "
                       "interest=$4,893.25");
    // Four full months and what is left in the fifth.
    EXPECT_EQ(paid[12], "  Fast - Withdraw $3,643.34 for monthly payments - principal=$3,592.80 "
                        "interest=$50.54");
    EXPECT_NEAR(fast.principalPaid, 100000.0f, 0.5f);
    EXPECT_EQ(fast.oneTime, 0); // the term is not over, there is just nothing left to pay
}

TEST_F(Debts, ChosenAccountPaysTheShownPartDefaultFundingTheWholeYear) {
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 50000, 0);
    AccountRecord& chosen = addAccount("Chosen", AccountKind::TaxFreeSavings, 50000, 0);
    EventRecord& own = addDebt(EventType::Mortgage, 40, 70, 100000, 6, 30, "Own");
    own.payAccountId = static_cast<std::int16_t>(chosen.accountId);
    own.payFromAccountFlag = kAccountChosenMarker;
    addDebt(EventType::Mortgage, 40, 70, 100000, 6, 30, "Default");
    context.yearFraction = 0.5f;
    year(0, 40);
    year(1, 40);
    EXPECT_EQ(lines(), (Lines{"  Own - Withdraw $3,597.30 for monthly payments - "
                              "principal=$614.01 interest=$2,983.30",
                              "  Default - Withdraw $3,597.30 for monthly payments - "
                              "principal=$614.01 interest=$2,983.30"}));
    EXPECT_EQ(output.schedule.lines[1].kind, 1); // each line belongs to its event
    EXPECT_NEAR(chosen.balance, 50000.0f - 3597.30f, 0.01f);
    EXPECT_NEAR(bank.balance, 50000.0f - 7194.61f, 0.01f);
    EXPECT_NEAR(context.flows.interestPaid, 2 * 2983.30f, 0.01f);
    // The whole year's principal leaves the liabilities.
    EXPECT_NEAR(context.totals.liabilities, 200000.0f - 2 * 1228.01f, 0.02f);
}

TEST_F(Debts, CardFirstMonthInterest) {
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 5000, 0);
    EventRecord& card = addCard(40, 50, 1000, 100, bank);
    context.totals.liabilities = 1000; // the run books the balance in its first shown year
    context.yearFraction = 0.1f;       // one month
    year(0, 40);
    EXPECT_EQ(lines(), Lines{"  Card - Withdraw $100.00 to pay off credit card."});
    EXPECT_EQ(moneyText(context.flows.interestPaid), "$14.79");
    EXPECT_NEAR(card.currentAmount, 914.79f, 0.005f);
    EXPECT_FLOAT_EQ(context.totals.liabilities, card.currentAmount);
    EXPECT_EQ(context.flows.withdrawals, 100.0f);
    EXPECT_EQ(bank.balance, 4900.0f);
    EXPECT_EQ(card.payment, 100.0f); // a card keeps the payment entered
}

TEST_F(Debts, CardClearsTheMonthItsBalanceFallsBelowTwoPayments) {
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 5000, 0);
    EventRecord& card = addCard(40, 50, 1000, 100, bank);
    context.totals.liabilities = 1000;
    year(0, 40);
    // Nine payments of 100, then the tenth month pays the 186.17 left.
    EXPECT_EQ(lines(), Lines{"  Card - Withdraw $1,086.17 to pay off credit card."});
    EXPECT_EQ(moneyText(context.flows.interestPaid), "$88.92");
    EXPECT_NEAR(context.flows.withdrawals, 1086.17f, 0.005f);
    EXPECT_EQ(card.currentAmount, 0.0f);
    EXPECT_NEAR(context.totals.liabilities, 0.0f, 0.005f);
    EXPECT_NEAR(bank.balance, 5000.0f - 1086.17f, 0.005f);
    year(0, 41);
    EXPECT_EQ(lines().size(), 1u);
}

TEST_F(Debts, CardPurchasesAreOwedLikeItsBalance) {
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 50000, 0);
    EventRecord& card = addCard(40, 50, 1000, 100, bank);
    card.extraPurchases() = 50;
    context.totals.liabilities = 1000;
    context.yearFraction = 0.1f;
    year(0, 40);
    EXPECT_EQ(moneyText(context.flows.interestPaid), "$15.53"); // on 1,050
    context.yearFraction = 1.0f;
    year(0, 41);
    EXPECT_GT(card.currentAmount, 400.0f);
    EXPECT_NEAR(context.totals.liabilities, card.currentAmount, 0.01f);
}

TEST_F(Debts, CardHasNoSellAgeAndIsPaidOffAtItsPayoffAge) {
    scenario.header.startAge = 31;
    context.displayStartAge = 31;
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 50000, 0);
    EventRecord& card = addCard(31, 37, 5000, 100, bank);
    card.adjustRate = 36; // the months to pay it off, which its editor keeps here
    context.totals.liabilities = 5000;
    years(0, 31, 36);
    EXPECT_EQ(linesWith("to pay off credit card.").size(), 6u);
    EXPECT_TRUE(linesWith("Sold").empty());
    EXPECT_TRUE(linesWith("Paid off").empty());
    EXPECT_EQ(card.state, 1);
    const float owed = card.currentAmount;
    EXPECT_NEAR(owed, 1694.56f, 0.005f);
    clearLines();
    clearYearFlows(context.flows);
    year(0, 37);
    EXPECT_EQ(lines(), Lines{"   Card - Paid off credit card with $1,694.56"});
    EXPECT_EQ(card.currentAmount, 0.0f);
    EXPECT_NEAR(context.totals.liabilities, 0.0f, 0.01f);
    EXPECT_EQ(context.flows.withdrawals, owed);
    EXPECT_EQ(card.oneTime, 1);
}

TEST_F(Debts, PropertyTaxesGrowWithInflationFromTheStartYear) {
    addAccount("Bank", AccountKind::InvestmentSavings, 1000000, 0);
    EventRecord& home = addDebt(EventType::Mortgage, 40, 80, 100000, 6, 30, "Home");
    home.propertyTax = 3000;
    home.inflationAdjust = 1;
    EventRecord& flat = addDebt(EventType::Mortgage, 40, 80, 100000, 6, 30, "Flat");
    flat.propertyTax = 3000;
    context.rates.inflationRate = 3;
    context.yearFraction = 0.5f;
    year(0, 40);
    year(1, 40);
    context.yearFraction = 1.0f;
    for (float age = 41; age <= 45; age += 1.0f) {
        year(0, age);
        year(1, age);
    }
    const Lines taxes = linesWith("property taxes");
    ASSERT_EQ(taxes.size(), 12u);
    EXPECT_EQ(taxes[0], "  Withdraw $1,500.00 for property taxes");
    EXPECT_EQ(taxes[1], "  Withdraw $1,500.00 for property taxes");
    EXPECT_EQ(taxes[2], "  Withdraw $3,090.00 for property taxes");
    EXPECT_EQ(taxes[10], "  Withdraw $3,477.82 for property taxes"); // 3,000 x 1.03^5
    EXPECT_EQ(taxes[11], "  Withdraw $3,000.00 for property taxes");
    EXPECT_EQ(output.schedule.lines[1].kind, 0);
}

TEST_F(Debts, PropertyTaxesBelowOneDollarAreNotCharged) {
    EventRecord& home = addDebt(EventType::Mortgage, 40, 80, 100000, 6, 30, "Home");
    home.propertyTax = 1.5f;
    context.yearFraction = 0.5f;
    year(0, 40);
    EXPECT_TRUE(linesWith("property taxes").empty());
    EXPECT_EQ(context.flows.propertyTaxes, 0.0f);
}

TEST_F(Debts, MortgageSoldBeforeItsPayoffAge) {
    AccountRecord& broker = addAccount("Broker", AccountKind::InvestmentSavings, 300000, 0);
    EventRecord& home = addDebt(EventType::Mortgage, 40, 70, 200000, 5, 30, "Home");
    home.downPayment = 40000;
    home.accountId = 1;
    home.adjustRate = 45;
    home.sellingExpenses = 6;
    home.propertyTax = 1200;
    years(0, 40, 44);
    home.currentAmount = 250000; // what the years' appreciation made of it
    context.totals.equityTotal += 50000;
    clearLines();
    year(0, 45);
    EXPECT_EQ(
        lines(),
        (Lines{"  Withdraw $1,200.00 for property taxes", "  Home - Sold property for $250,000.00",
               "     Selling expenses = $15,000.00", "      Deposited $235,000.00 to Broker",
               "   Paid off mortgage with $146,926.31",
               "    Total Principal=$13,073.69 Total Interest=$38,460.88"}));
    EXPECT_EQ(home.state, 2);
    EXPECT_EQ(home.sold, 1);
    EXPECT_EQ(home.currentAmount, 0.0f);
    EXPECT_EQ(home.monthIndex(), 60);
    EXPECT_NEAR(context.totals.liabilities, 0.0f, 0.05f);
    EXPECT_NEAR(context.totals.assetTotal, 0.0f, 0.05f);
    EXPECT_NEAR(context.totals.equityTotal, 0.0f, 0.05f);
    EXPECT_NEAR(context.flows.sales, 250000.0f - 146926.31f - 15000.0f, 0.05f);
    EXPECT_NEAR(broker.balance, 300000.0f - 6 * 1200.0f - 5 * 10306.91f + 235000.0f - 146926.31f,
                0.1f);
}

TEST_F(Debts, SaleWithoutAnInvestmentAccountGoesToTheInvestmentTotal) {
    EventRecord& home = addDebt(EventType::Mortgage, 40, 70, 100000, 0, 10, "Home");
    home.adjustRate = 41;
    home.sellingExpenses = 5;
    years(0, 40, 41);
    EXPECT_EQ(linesWith("Deposited"), Lines{"      Deposited $95,000.00 to Investment Savings"});
    EXPECT_EQ(context.totals.investmentTotal, 95000.0f);
    EXPECT_EQ(context.flows.sales, 0.0f); // no gain over the price
}

TEST_F(Debts, MortgagePaidOffAtItsPayoffAgeLeavesNothingOwedForTheSale) {
    AccountRecord& bank = addAccount("Bank", AccountKind::InvestmentSavings, 500000, 0);
    EventRecord& home = addDebt(EventType::Mortgage, 40, 42, 100000, 6, 30, "Home");
    home.adjustRate = 44;
    context.totals.liabilities = 5000; // another debt's
    years(0, 40, 43);
    EXPECT_EQ(linesWith("Paid off"), Lines{"   Home - Paid off mortgage with $97,468.23"});
    EXPECT_EQ(home.equityValue, 100000.0f);
    EXPECT_EQ(home.beforeTax(), 1);
    EXPECT_NEAR(context.totals.liabilities, 5000.0f, 0.05f);
    EXPECT_NEAR(bank.balance, 500000.0f - 2 * 7194.61f - 97468.23f, 0.1f);
    clearLines();
    year(0, 44);
    EXPECT_EQ(lines(),
              (Lines{"  Home - Sold property for $100,000.00", "     Selling expenses = $0.00",
                     "      Deposited $100,000.00 to Bank"}));
    EXPECT_NEAR(context.totals.liabilities, 5000.0f, 0.05f);
    EXPECT_NEAR(context.totals.assetTotal, 0.0f, 0.05f);
    EXPECT_NEAR(context.totals.equityTotal, 0.0f, 0.05f);
    EXPECT_EQ(context.flows.sales, 0.0f);
}

} // namespace
} // namespace finplan
