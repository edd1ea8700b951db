#include "calc_test_support.h"
#include "calculators/accelerated_payments.h"
#include "calculators/card_payoff_calculator.h"
#include "calculators/effective_rate.h"
#include "calculators/inflation_calculator.h"
#include "calculators/investment_calculator.h"
#include "calculators/mortgage_calculator.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace finplan {
namespace {

using test::refusalOf;

CalcResult calculate(const test::CaseLine& c) {
    using Calculator = CalcResult (*)(const FieldTexts&);
    static const std::map<std::string, Calculator> calculators = {
        {"accelerated", calculateAcceleratedPayments}, {"card-payoff", calculateCardPayoff},
        {"effective-rate", calculateEffectiveRate},    {"inflation", calculateInflation},
        {"investment", calculateInvestment},           {"mortgage", calculateMortgage}};
    FieldTexts fields =
        c.word == "accelerated" ? acceleratedStartFields(25.0f, 3.0f) : FieldTexts{};
    for (const auto& [key, text] : c.inputs) {
        fields[key] = text;
    }
    return calculators.at(c.word)(fields);
}

TEST(Calculators, KnownAnswersAndRefusals) {
    for (const test::CaseLine& c : test::readCases("calculators/answers.txt")) {
        if (c.word == "refinance") {
            continue; // refinance_test.cpp
        }
        SCOPED_TRACE(c.where);
        const CalcResult result = calculate(c);
        if (c.expected.front().first == "refused") {
            EXPECT_EQ(refusalOf(result), c.answer("refused"));
            test::expectIcon(result, c);
            continue;
        }
        ASSERT_TRUE(result.accepted()) << refusalOf(result);
        EXPECT_EQ(test::outputsOf(result), c.expected);
        EXPECT_EQ(result.notice, "");
    }
}

TEST(CardPayoffCalculator, ADebtThatNeverEndsSaysSo) {
    const CalcResult result =
        calculateCardPayoff({{"balance", "1000"}, {"rate", "18"}, {"payment", "10"}});
    ASSERT_TRUE(result.accepted());
    EXPECT_EQ(result.output("months"), "1200");
    EXPECT_EQ(result.output("years"), "100.00");
    EXPECT_EQ(result.output("paid-off"), "no");
    EXPECT_NE(result.notice.find("100 years"), std::string::npos);
}

} // namespace
} // namespace finplan
