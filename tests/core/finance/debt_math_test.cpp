#include "finance/debt_math.h"

#include <gtest/gtest.h>

namespace finplan {
namespace {

TEST(DebtMath, RepeatedPowerRoundsEveryStepAndTakesSmallCountsAsOne) {
    EXPECT_EQ(repeatedPower(2.0f, 10), 1024.0f);
    EXPECT_EQ(repeatedPower(1.5f, 1), 1.5f);
    EXPECT_EQ(repeatedPower(1.5f, 0), 1.5f);
    EXPECT_EQ(repeatedPower(1.5f, -3), 1.5f);
    // 360 roundings to float: 1.005^360 is 6.0225752 exactly, 6.0225639 step by step.
    EXPECT_EQ(repeatedPower(1.005f, 360), 6.02256393f);
}

TEST(DebtMath, MonthlyRateIsTheCorrectlyRoundedTwelfth) {
    EXPECT_EQ(monthlyRate(6.0f), 0.06f / 12.0f);
    EXPECT_EQ(monthlyRate(0.0f), 0.0f);
    // A rate where multiplying by a single-precision 1/12 is one bit off.
    const float yearly = 8.0f * 0.01f;
    ASSERT_NE(yearly * (1.0f / 12.0f), yearly / 12.0f);
    EXPECT_EQ(monthlyRate(8.0f), yearly / 12.0f);
    int offByOneBit = 0;
    for (int hundredths = 1; hundredths <= 3000; ++hundredths) {
        const float rate = static_cast<float>(hundredths) * 0.01f;
        EXPECT_EQ(monthlyRate(rate), rate * 0.01f / 12.0f) << rate;
        offByOneBit += rate * 0.01f * (1.0f / 12.0f) != rate * 0.01f / 12.0f ? 1 : 0;
    }
    EXPECT_GT(offByOneBit, 500); // the check above can tell the two apart
}

TEST(DebtMath, LoanPayment) {
    EXPECT_NEAR(loanPayment(100000.0f, 0.06f / 12.0f, 360), 599.55f, 0.005f);
    EXPECT_NEAR(loanPayment(100000.0f, monthlyRate(6.0f), 360), 599.55f, 0.005f);
    EXPECT_NEAR(loanPayment(8000.0f, monthlyRate(6.0f), 60), 154.66f, 0.005f);
    EXPECT_NEAR(loanPayment(1000.0f, 0.01f, 12), 88.85f, 0.005f);
    // No month count is one month: principal plus a month's interest.
    EXPECT_NEAR(loanPayment(1000.0f, 0.01f, 0), 1010.0f, 0.005f);
}

TEST(DebtMath, LoanPaymentRoundsOnlyQDAndThePayment) {
    // Expected bits from a separate computation that rounds q, d = 1 - 1/q and P x r / d once
    // each. Rounding P x r and 1/q on their own as well is a bit off in all but the last case.
    struct Case {
        float principal;
        float yearlyPercent;
        int years;
        float payment;
    };
    const Case cases[] = {
        {100000.0f, 6.0f, 30, 599.55078125f},       {15000.0f, 6.0f, 5, 289.99249267578125f},
        {200000.0f, 4.5f, 30, 1013.3748168945312f}, {8000.0f, 6.0f, 5, 154.66265869140625f},
        {1000.0f, 12.0f, 1, 88.84882354736328f},    {250000.0f, 7.25f, 15, 2282.161865234375f},
    };
    for (const Case& c : cases) {
        const float paid = loanPayment(c.principal, monthlyRate(c.yearlyPercent), c.years * 12);
        EXPECT_EQ(paid, c.payment) << c.principal << " at " << c.yearlyPercent;
    }
}

TEST(DebtMath, ZeroRatePaysPrincipalOverMonths) {
    EXPECT_EQ(loanPayment(1200.0f, 0.0f, 12), 100.0f);
    EXPECT_EQ(loanPayment(500.0f, 0.0f, 0), 500.0f);
    EXPECT_EQ(loanPayment(500.0f, 0.0f, -4), 500.0f);
    // So small that 1 + rate is 1 in single precision: no division by zero either.
    EXPECT_EQ(loanPayment(1200.0f, 1e-9f, 12), 100.0f);
    const Amortized all = amortizeMonths(1200.0f, 0.0f, 12, 0, 11, 0.0f, 0);
    EXPECT_EQ(all.principal, 1200.0f);
    EXPECT_EQ(all.interest, 0.0f);
    EXPECT_EQ(all.months, 12);
}

TEST(DebtMath, AmortizeMonthsSumsTheMonthsAsked) {
    const Amortized first = amortizeMonths(1000.0f, 0.01f, 12, 0, 0, 0.0f, 0);
    EXPECT_NEAR(first.principal, 78.85f, 0.005f);
    EXPECT_FLOAT_EQ(first.interest, 10.0f);
    EXPECT_EQ(first.months, 1);
    const Amortized second = amortizeMonths(1000.0f, 0.01f, 12, 1, 1, 0.0f, 0);
    EXPECT_NEAR(second.principal, 79.64f, 0.005f);
    EXPECT_NEAR(second.interest, 9.21f, 0.005f);

    const Amortized head = amortizeMonths(1000.0f, 0.01f, 12, 0, 5, 0.0f, 0);
    const Amortized tail = amortizeMonths(1000.0f, 0.01f, 12, 6, 11, 0.0f, 0);
    EXPECT_NEAR(head.principal, 485.08f, 0.005f);
    EXPECT_NEAR(tail.principal, 514.92f, 0.005f);
    EXPECT_NEAR(head.interest + tail.interest, 66.19f, 0.005f);
    EXPECT_EQ(head.months + tail.months, 12);

    const Amortized whole = amortizeMonths(1000.0f, 0.01f, 12, 0, 11, 0.0f, 0);
    EXPECT_NEAR(whole.principal, 1000.0f, 0.005f);
    EXPECT_NEAR(whole.interest, 66.19f, 0.005f);

    const Amortized after = amortizeMonths(1000.0f, 0.01f, 12, 12, 23, 0.0f, 0);
    EXPECT_EQ(after.principal, 0.0f);
    EXPECT_EQ(after.interest, 0.0f);
    EXPECT_EQ(after.months, 0);

    const Amortized none = amortizeMonths(1000.0f, 0.01f, 12, 0, -1, 0.0f, 0);
    EXPECT_EQ(none.principal, 0.0f);
    EXPECT_EQ(none.months, 0);
}

TEST(DebtMath, ExtraPrincipalEndsTheLoanWithASmallerPayment) {
    // No interest, 100 a month, 50 extra from month 6: months 6 to 9 pay 150 and clear it.
    const Amortized late = amortizeMonths(1200.0f, 0.0f, 12, 6, 11, 50.0f, 6);
    EXPECT_EQ(late.principal, 600.0f);
    EXPECT_EQ(late.months, 4);
    EXPECT_EQ(amortizeMonths(1200.0f, 0.0f, 12, 0, 5, 50.0f, 6).principal, 600.0f);
    EXPECT_EQ(amortizeMonths(1200.0f, 0.0f, 12, 10, 11, 50.0f, 6).months, 0);

    // 250 + 100 a month: 350, 350, then the 300 left.
    const Amortized last = amortizeMonths(1000.0f, 0.0f, 4, 2, 2, 100.0f, 0);
    EXPECT_EQ(last.principal, 300.0f);
    EXPECT_EQ(last.months, 1);
    EXPECT_EQ(amortizeMonths(1000.0f, 0.0f, 4, 3, 3, 100.0f, 0).months, 0);

    // With interest: extra 100 from month 3 makes month 7 the last, paying the 25.18 left
    // while its interest still counts.
    const Amortized seventh = amortizeMonths(1000.0f, 0.01f, 12, 7, 7, 100.0f, 3);
    EXPECT_NEAR(seventh.principal, 25.18f, 0.005f);
    EXPECT_NEAR(seventh.interest, 0.25f, 0.005f);
    EXPECT_EQ(seventh.months, 1);
    const Amortized year = amortizeMonths(1000.0f, 0.01f, 12, 0, 11, 100.0f, 3);
    EXPECT_NEAR(year.principal, 1000.0f, 0.005f);
    EXPECT_NEAR(year.interest, 47.37f, 0.005f);
    EXPECT_EQ(year.months, 8);
    EXPECT_NEAR(amortizeMonths(1000.0f, 0.01f, 12, 3, 3, 100.0f, 3).principal, 181.24f, 0.005f);
    EXPECT_NEAR(amortizeMonths(1000.0f, 0.01f, 12, 2, 2, 100.0f, 3).principal, 80.43f, 0.005f);
}

TEST(DebtMath, CardMonthInterest) {
    EXPECT_NEAR(cardMonthInterest(1000.0f, 18.0f), 14.79f, 0.005f);
    EXPECT_FLOAT_EQ(cardMonthInterest(1000.0f, 18.0f), 14.7945205f);
    EXPECT_EQ(cardMonthInterest(0.0f, 18.0f), 0.0f);
}

TEST(AmortizeMonths, GoingOnFromWhereTheLastYearStoppedGivesTheSameNumbers) {
    // A 30-year loan seen year by year, its terms changing once (extra principal from month
    // 120 on from year 10), as a run replays it.
    AmortizationCursor cursor;
    const float rate = monthlyRate(4.5f);
    for (int year = 0; year < 32; ++year) {
        const float extra = year < 10 ? 0.0f : 200.0f;
        const int first = year * 12;
        const Amortized replayed =
            amortizeMonths(180000.0f, rate, 360, first, first + 11, extra, 120);
        const Amortized resumed =
            amortizeMonths(180000.0f, rate, 360, first, first + 11, extra, 120, cursor);
        ASSERT_EQ(resumed.principal, replayed.principal) << year;
        ASSERT_EQ(resumed.interest, replayed.interest) << year;
        ASSERT_EQ(resumed.months, replayed.months) << year;
    }
    EXPECT_FALSE(cursor.valid); // the loan ended early with the extra principal
    // A call further back than the cursor replays from month 0.
    AmortizationCursor ahead;
    amortizeMonths(180000.0f, rate, 360, 120, 131, 0.0f, 0, ahead);
    EXPECT_EQ(amortizeMonths(180000.0f, rate, 360, 0, 11, 0.0f, 0, ahead).principal,
              amortizeMonths(180000.0f, rate, 360, 0, 11, 0.0f, 0).principal);
}

} // namespace
} // namespace finplan