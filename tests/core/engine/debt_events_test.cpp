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
    EXPECT_EQ(paid[12], "  Fast - Withdraw $3,643.34 for monthly payments - principal=$3,592.80 "
                        "interest=$50.54");
    EXPECT_NEAR(fast.principalPaid, 100000.0f, 0.5f);
    EXPECT_EQ(fast.oneTime, 0); // the term is not over, there is just nothing left to pay
}

TEST_F(Debts, ChosenAccountPaysTheShownPartDefaultFundingTheWholeYear) {
    add(test::textBlock("engine/debt_events_scenarios.txt",
                        "ChosenAccountPaysTheShownPartDefaultFundingTheWholeYear"));
    AccountRecord& bank = account("Bank");
    AccountRecord& chosen = account("Chosen");
    context.yearFraction = 0.5f;
    year(0, 40);
    year(1, 40);
    EXPECT_EQ(lines(), (test::linesOf(test::textBlock(
                           "engine/debt_events_texts.txt",
                           "ChosenAccountPaysTheShownPartDefaultFundingTheWholeYear"))));
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

TEST_F(Debts, PropertyTaxesAreProratedInAPartYear) {
    add(test::textBlock("engine/debt_events_scenarios.txt", "PropertyTaxesAreProratedInAPartYear"));
    context.yearFraction = 0.5f;
    year(0, 40);
    year(1, 40); // 0.75: below one dollar, not charged
    EXPECT_EQ(linesWith("property taxes"), Lines{"  Withdraw $1,500.00 for property taxes"});
    EXPECT_EQ(context.flows.propertyTaxes, 1500.0f);
    EXPECT_EQ(output.schedule.lines[1].kind, 0);
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
