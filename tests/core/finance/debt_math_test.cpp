#include "finance/debt_math.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <string>

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

// Payments and amortized months of tests/data/finance/debt_math.txt.
TEST(DebtMath, PaymentsAndAmortizedMonthsMatchWorkedValues) {
    test::forEachCase("finance/debt_math.txt", "", 32, [&](const test::CaseLine& c) {
        const auto number = [&](const std::string& key) { return std::stof(c.input(key)); };
        const double within = std::stod(c.answerOr("within", "0"));
        const auto expect = [&](float value, const std::string& key) {
            const std::string text = c.answerOr(key, "");
            if (text.empty()) {
                return;
            }
            if (within > 0.0) {
                EXPECT_NEAR(value, std::stod(text), within) << key;
            } else {
                EXPECT_EQ(value, std::stof(text)) << key;
            }
        };
        const float principal = number("principal");
        const int months = std::stoi(c.input("months"));
        if (c.word == "payment") {
            const float monthly =
                !c.inputOr("yearly", "").empty() ? monthlyRate(number("yearly")) : number("rate");
            expect(loanPayment(principal, monthly, months), "payment");
            return;
        }
        const Amortized sum =
            amortizeMonths(principal, number("rate"), months, std::stoi(c.input("first")),
                           std::stoi(c.input("last")), number("extra"), std::stoi(c.input("from")));
        expect(sum.principal, "principal");
        expect(sum.interest, "interest");
        expect(static_cast<float>(sum.months), "months");
    });
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