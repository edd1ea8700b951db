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
        add("header start=40 end=90");
        context.displayStartAge = 40;
    }

    EventRecord& debt(int index) { return scenario.events[static_cast<std::size_t>(index)]; }
    // A card as the run holds it before its first year.
    EventRecord& addCard(std::string_view lines) {
        add(lines);
        EventRecord& card = debt(scenario.liveEventCount - 1);
        card.currentAmount = card.amount;
        return card;
    }

    void start(int index, float age) {
        context.age = age;
        EventRecord& e = debt(index);
        e.currentAmount = e.amount;
        e.state = 1;
        e.sold = 0;
        startDebtEvent(context, index);
    }
    // One year at `age`: the start when it is due, then the year's step while active.
    void year(int index, float age) {
        context.age = age;
        if (debt(index).state == 0 && debt(index).startAge <= age) {
            start(index, age);
        }
        if (debt(index).state == 1) {
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
};

using Lines = std::vector<std::string>;

TEST_F(Debts, LoanIntoASavingsAccountIsDepositedLessItsDownPayment) {
    add("account name=Broker rate=5\n"
        "loan name=Car start=40 payoff=45 price=10000 down=2000 rate=6 years=5 to=Broker "
        "appreciation=4");
    AccountRecord& broker = account("Broker");
    EventRecord& car = debt(0);
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
    add("account name=Broker amount=1000 rate=5\n"
        "loan name=Car start=40 payoff=45 price=10000 down=2000 rate=6 years=5 to=#77");
    EventRecord& car = debt(0);
    years(0, 40, 46);
    EXPECT_EQ(lines(),
              Lines{"  Car - The account of this event no longer exists; nothing was booked."});
    EXPECT_EQ(car.state, 2);
    EXPECT_EQ(context.totals.liabilities, 0.0f);
    EXPECT_EQ(context.totals.investmentTotal, 0.0f);
    EXPECT_EQ(context.flows.loans, 0.0f);
    EXPECT_EQ(scenario.accounts.accounts[0].balance, 1000.0f);
}

TEST_F(Debts, EquityLoanSaleAndLiquidLoanPayoff) {
    add("account name=Shares kind=equity\n"
        "account name=Bank amount=50000\n"
        "loan name=Stake start=40 payoff=60 price=6000 years=5 sell=41 to=Shares\n"
        "loan name=Car start=40 payoff=41 price=6000 years=5 to=Bank");
    AccountRecord& shares = account("Shares");
    EventRecord& stake = debt(0);
    EventRecord& car = debt(1);
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
    EXPECT_EQ(account("Bank").balance, 50000.0f);
}

TEST_F(Debts, TermOverStopsThePaymentsWithoutAPayoff) {
    add("account name=Bank amount=50000\n"
        "loan name=Short start=40 payoff=50 price=2400 years=2 to=Bank");
    EventRecord& loan = debt(0);
    years(0, 40, 52);
    EXPECT_EQ(linesWith("monthly").size(), 2u);
    EXPECT_TRUE(linesWith("Paid off").empty());
    EXPECT_EQ(loan.monthIndex(), 24);
    EXPECT_EQ(loan.oneTime, 1);
    EXPECT_EQ(context.totals.liabilities, 0.0f);
}

TEST_F(Debts, MortgageStartWithdrawsDownPaymentAndClosingCostsFromItsAccount) {
    add("account name=Bank amount=100000\n"
        "account name=Savings kind=taxfree amount=100000\n"
        "mortgage name=Home start=40 payoff=70 amount=300000 down=60000 rate=6 years=30 "
        "closing=5000 pay-from=Savings");
    AccountRecord& bank = account("Bank");
    AccountRecord& savings = account("Savings");
    EventRecord& home = debt(0);
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
    add("account name=Bank amount=100000\n"
        "mortgage name=Home start=40 payoff=70 amount=300000 down=60000 rate=6 years=30 "
        "keep-down=1");
    AccountRecord& bank = account("Bank");
    start(0, 40);
    EXPECT_EQ(lines(), Lines{"  Home - $60,000.00 to equity."});
    EXPECT_EQ(bank.balance, 100000.0f);
    EXPECT_EQ(context.totals.equityTotal, 60000.0f);
    EXPECT_EQ(context.totals.liabilities, 240000.0f);
}

TEST_F(Debts, ExtraPrincipalFromTheScenarioStartSkipsRunInYearsAndEndsEarly) {
    add("account name=Bank amount=1000000\n"
        "mortgage name=Plain start=30 payoff=80 amount=100000 rate=6 years=30\n"
        "mortgage name=Fast start=30 payoff=80 amount=100000 rate=6 years=30 extra=200 "
        "extra-mode=2\n"
        // from the mortgage's own start
        "mortgage name=Early start=30 payoff=80 amount=100000 rate=6 years=30 extra=200 "
        "extra-mode=1");
    EventRecord& plain = debt(0);
    EventRecord& fast = debt(1);
    EventRecord& early = debt(2);
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
    EXPECT_EQ(paid[12], "  Fast - Withdraw $3,643.42 for monthly payments - principal=$3,592.87 "
                        "interest=$50.55");
    EXPECT_NEAR(fast.principalPaid, 100000.0f, 0.5f);
    EXPECT_EQ(fast.oneTime, 0); // the term is not over, there is just nothing left to pay
}

TEST_F(Debts, ChosenAccountPaysTheShownPartDefaultFundingTheWholeYear) {
    add("account name=Bank amount=50000\n"
        "account name=Chosen kind=taxfree amount=50000\n"
        "mortgage name=Own start=40 payoff=70 amount=100000 rate=6 years=30 pay-from=Chosen\n"
        "mortgage name=Default start=40 payoff=70 amount=100000 rate=6 years=30");
    AccountRecord& bank = account("Bank");
    AccountRecord& chosen = account("Chosen");
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
    AccountRecord& bank = add("account name=Bank amount=5000").account("Bank");
    EventRecord& card =
        addCard("card name=Card start=40 payoff=50 balance=1000 rate=18 payment=100 from=Bank");
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

TEST_F(Debts, CardPurchasesAreOwedLikeItsBalance) {
    add("account name=Bank amount=50000");
    EventRecord& card = addCard("card name=Card start=40 payoff=50 balance=1000 rate=18 "
                                "payment=100 purchases=50 from=Bank");
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
    // 36: the months to pay it off, which its editor keeps in the sell age's place
    add("account name=Bank amount=50000");
    EventRecord& card = addCard("card name=Card start=31 payoff=37 balance=5000 rate=18 "
                                "payment=100 months=36 from=Bank");
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
    add("account name=Bank amount=1000000\n"
        "mortgage name=Home start=40 payoff=80 amount=100000 rate=6 years=30 tax=3000 "
        "tax-inflation=1\n"
        "mortgage name=Flat start=40 payoff=80 amount=100000 rate=6 years=30 tax=3000");
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
    add("mortgage name=Home start=40 payoff=80 amount=100000 rate=6 years=30 tax=1.5");
    context.yearFraction = 0.5f;
    year(0, 40);
    EXPECT_TRUE(linesWith("property taxes").empty());
    EXPECT_EQ(context.flows.propertyTaxes, 0.0f);
}

TEST_F(Debts, MortgageSoldBeforeItsPayoffAge) {
    AccountRecord& broker = add("account name=Broker amount=300000").account("Broker");
    add("mortgage name=Home start=40 payoff=70 amount=200000 down=40000 rate=5 years=30 "
        "keep-down=1 sell=45 selling=6 tax=1200");
    EventRecord& home = debt(0);
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
    add("mortgage name=Home start=40 payoff=70 amount=100000 years=10 sell=41 selling=5");
    years(0, 40, 41);
    EXPECT_EQ(linesWith("Deposited"), Lines{"      Deposited $95,000.00 to Investment Savings"});
    EXPECT_EQ(context.totals.investmentTotal, 95000.0f);
    EXPECT_EQ(context.flows.sales, 0.0f); // no gain over the price
}

TEST_F(Debts, MortgagePaidOffAtItsPayoffAgeLeavesNothingOwedForTheSale) {
    AccountRecord& bank = add("account name=Bank amount=500000").account("Bank");
    add("mortgage name=Home start=40 payoff=42 amount=100000 rate=6 years=30 sell=44");
    EventRecord& home = debt(0);
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
