#include "finance/card_payoff.h"

#include <gtest/gtest.h>

namespace finplan {
namespace {

TEST(CardPayoff, MonthsInterestAndYears) {
    struct Case {
        float balance;
        float rate;
        float payment;
        float purchases;
        int months;
        float interest; // to the cent
        bool paidOff;
    };
    // From a separate month-by-month computation; the first two also by hand.
    const Case cases[] = {
        // The tenth month clears a balance below two payments.
        {1000.0f, 18.0f, 100.0f, 0.0f, 10, 88.92f, true},
        // 1000 - 600 is at most 600: the first month clears it, with its interest 14.79.
        {1000.0f, 18.0f, 600.0f, 0.0f, 1, 14.79f, true},
        {1000.0f, 18.0f, 500.0f, 0.0f, 1, 14.79f, true},
        {1000.0f, 18.0f, 499.0f, 0.0f, 2, 22.43f, true},
        // Purchases of 50 a month make it take longer.
        {1000.0f, 18.0f, 100.0f, 50.0f, 23, 213.88f, true},
    };
    for (const Case& c : cases) {
        const CardPayoff payoff = cardPayoff(c.balance, c.rate, c.payment, c.purchases);
        EXPECT_EQ(payoff.months, c.months) << c.payment;
        EXPECT_NEAR(payoff.interest, c.interest, 0.005f) << c.payment;
        EXPECT_EQ(payoff.paidOff, c.paidOff) << c.payment;
        EXPECT_FLOAT_EQ(payoff.years, static_cast<float>(c.months) / 12.0f);
    }
}

TEST(CardPayoff, APaymentBelowTheInterestStopsAfterOneHundredYears) {
    const CardPayoff payoff = cardPayoff(1000.0f, 18.0f, 10.0f, 0.0f);
    EXPECT_EQ(payoff.months, 1200);
    EXPECT_EQ(payoff.years, 100.0f);
    EXPECT_FALSE(payoff.paidOff);
}

} // namespace
} // namespace finplan
