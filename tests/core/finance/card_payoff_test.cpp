#include "finance/card_payoff.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <string>

namespace finplan {
namespace {

// Months, interest and years of card payoffs: tests/data/finance/card_payoff.txt.
TEST(CardPayoff, MonthsInterestAndYears) {
    test::forEachCase("finance/card_payoff.txt", "card", 5, [&](const test::CaseLine& c) {
        const auto number = [&](const std::string& key) { return std::stof(c.input(key)); };
        const CardPayoff payoff =
            cardPayoff(number("balance"), number("rate"), number("payment"), number("purchases"));
        EXPECT_EQ(payoff.months, std::stoi(c.answer("months")));
        EXPECT_NEAR(payoff.interest, std::stof(c.answer("interest")), 0.005f);
        EXPECT_EQ(payoff.paidOff, c.answer("paid") == "1");
        EXPECT_FLOAT_EQ(payoff.years, static_cast<float>(payoff.months) / 12.0f);
    });
}

TEST(CardPayoff, APaymentBelowTheInterestStopsAfterOneHundredYears) {
    const CardPayoff payoff = cardPayoff(1000.0f, 18.0f, 10.0f, 0.0f);
    EXPECT_EQ(payoff.months, 1200);
    EXPECT_EQ(payoff.years, 100.0f);
    EXPECT_FALSE(payoff.paidOff);
}

} // namespace
} // namespace finplan
