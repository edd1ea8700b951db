#include "calc_test_support.h"
#include "calculators/accelerated_payments.h"
#include "calculators/card_payoff_calculator.h"
#include "calculators/effective_rate.h"
#include "calculators/inflation_calculator.h"
#include "calculators/investment_calculator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace finplan {
namespace {

using test::refusalOf;

using Outputs = std::vector<std::pair<std::string, std::string>>;

Outputs outputsOf(const CalcResult& result) {
    Outputs out;
    for (const OutputField& field : result.outputs) {
        out.emplace_back(field.key, field.text);
    }
    return out;
}

FieldTexts accelerated(std::string amount, std::string years, std::string left, std::string rate,
                       std::string extra) {
    FieldTexts fields = acceleratedStartFields(25.0f, 3.0f);
    fields["amount"] = amount;
    fields["years"] = years;
    fields["years-left"] = left;
    fields["rate"] = rate;
    fields["extra"] = extra;
    return fields;
}

TEST(AcceleratedPayments, KnownAnswers) {
    struct Case {
        FieldTexts fields;
        Outputs expected;
    };
    // From a separate month-by-month computation.
    const Case cases[] = {
        {accelerated("100000", "30", "30", "6", "200"),
         {{"existing-payment", "$599.55"},
          {"existing-total-payments", "$215,838.07"},
          {"existing-total-interest", "$115,838.07"},
          {"payment-years", "16.42 "},
          {"accelerated-payment", "$799.55"},
          {"accelerated-total-payments", "$157,386.86"},
          {"accelerated-total-interest", "$57,386.86"},
          {"savings", "$58,451.21"},
          {"investment-value", "$43,474.45"},
          {"investment-years", " 16"}}},
        // Extra only in the last ten years.
        {accelerated("100000", "30", "10", "6", "200"),
         {{"existing-payment", "$599.55"},
          {"existing-total-payments", "$215,838.07"},
          {"existing-total-interest", "$115,838.07"},
          {"payment-years", "26.92 "},
          {"accelerated-payment", "$799.55"},
          {"accelerated-total-payments", "$209,948.84"},
          {"accelerated-total-interest", "$109,948.84"},
          {"savings", "$5,889.23"},
          {"investment-value", "$71,890.59"},
          {"investment-years", " 26"}}},
        // No extra: both columns agree over the whole term.
        {accelerated("100000", "30", "30", "6", "0"),
         {{"existing-payment", "$599.55"},
          {"existing-total-payments", "$215,838.07"},
          {"existing-total-interest", "$115,838.07"},
          {"payment-years", "30.00 "},
          {"accelerated-payment", "$599.55"},
          {"accelerated-total-payments", "$215,838.07"},
          {"accelerated-total-interest", "$115,838.07"},
          {"savings", "$0.00"},
          {"investment-value", "$0.00"},
          {"investment-years", " 30"}}},
        // An extra payment above the balance ends the loan in its first month.
        {accelerated("1000", "1", "1", "12", "5000"),
         {{"existing-payment", "$88.85"},
          {"existing-total-payments", "$1,066.19"},
          {"existing-total-interest", "$66.19"},
          {"payment-years", "0.08  "},
          {"accelerated-payment", "$5,088.85"},
          {"accelerated-total-payments", "$1,010.00"},
          {"accelerated-total-interest", "$10.00"},
          {"savings", "$56.19"},
          {"investment-value", "$60,000.00"},
          {"investment-years", "  0"}}},
    };
    for (const Case& c : cases) {
        const CalcResult result = calculateAcceleratedPayments(c.fields);
        ASSERT_TRUE(result.accepted()) << refusalOf(result);
        EXPECT_EQ(outputsOf(result), c.expected);
    }
}

TEST(AcceleratedPayments, Checks) {
    struct Case {
        FieldTexts fields;
        std::string refusal;
    };
    FieldTexts investment = accelerated("1000", "10", "10", "5", "0");
    investment["investment-rate"] = "50.01";
    FieldTexts inflation = accelerated("1000", "10", "10", "5", "0");
    inflation["inflation"] = "-1";
    const Case cases[] = {
        {accelerated("0", "0", "0", "0", "-1"),
         "amount|Amount Error!|The mortgage amount must be greater than $0.00 and less than "
         "$10,000,000.00."},
        {accelerated("10000000.01", "10", "10", "5", "0"),
         "amount|Amount Error!|The mortgage amount must be greater than $0.00 and less than "
         "$10,000,000.00."},
        {accelerated("1000", "51", "10", "5", "0"),
         "years|Number of Years Error!|The number of years must be greater than 0 and less than "
         "50."},
        {accelerated("1000", "10", "11", "5", "0"),
         "years-left|Number of Years Left Error!|The number of years left must be greater than 0 "
         "and less than the life of the mortgage."},
        {accelerated("1000", "10", "10", "0", "0"),
         "rate|Rate Error!|The mortgage rate must be greater than 0.0% and less than 50.0%"},
        {accelerated("1000", "10", "10", "5", "100000.01"),
         "extra|Additional Amount Error!|The addition monthly payment must be greater than "
         "$0.00 and less than $100,000.00"},
        {investment,
         "investment-rate|Rate Error!|The investment rate must be greater than 0.0% and less "
         "than 50.0%"},
        {inflation,
         "inflation|Rate Error!|The inflation rate must be greater than 0.0% and less than "
         "50.0%"},
        {accelerated("1000", "10", "10", "50", "100000"), "accepted"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(refusalOf(calculateAcceleratedPayments(c.fields)), c.refusal);
    }
}

TEST(SmallCalculators, KnownAnswers) {
    struct Case {
        CalcResult (*calculate)(const FieldTexts&);
        FieldTexts fields;
        Outputs expected;
    };
    const Case cases[] = {
        {calculateInflation,
         {{"start-age", "40"}, {"end-age", "50"}, {"rate", "3"}, {"amount", "1000"}},
         {{"inflated-amount", "1343.92      "}}},
        {calculateInflation,
         {{"start-age", "40"}, {"end-age", "50"}, {"rate", "-100"}, {"amount", "1000"}},
         {{"inflated-amount", "0.00         "}}},
        {calculateEffectiveRate,
         {{"rate", "12"}, {"compounding", "monthly"}},
         {{"effective-yearly-rate", "12.6825 "}}},
        {calculateEffectiveRate,
         {{"rate", "12"}, {"compounding", "daily"}},
         {{"effective-yearly-rate", "12.7479 "}}},
        {calculateEffectiveRate, {{"rate", "12"}}, {{"effective-yearly-rate", "12.0000 "}}},
        // The whole part of "Other" for both the rate and the power.
        {calculateEffectiveRate,
         {{"rate", "12"}, {"compounding", "other"}, {"periods", "4.7"}},
         {{"effective-yearly-rate", "12.5509 "}}},
        {calculateEffectiveRate,
         {{"rate", "-199"}, {"compounding", "semiannually"}},
         {{"effective-yearly-rate", "-99.9975"}}},
        {calculateInvestment,
         {{"amount", "10000"},
          {"years", "10"},
          {"return", "8"},
          {"tax-rate", "25"},
          {"inflation", "3"}},
         {{"years", "10"},
          {"tax-rate", "25.00%"},
          {"value-after-taxes", "$17,908.47"},
          {"inflation-rate", "3.00%"},
          {"value-in-todays-money", "$13,325.58"},
          {"effective-yearly-return", "3.33%"}}},
        {calculateInvestment,
         {{"amount", "5000"},
          {"years", "1"},
          {"return", "10"},
          {"tax-rate", "0"},
          {"inflation", "-50"}},
         {{"years", "1"},
          {"tax-rate", "0.00%"},
          {"value-after-taxes", "$5,500.00"},
          {"inflation-rate", "-50.00%"},
          {"value-in-todays-money", "$11,000.00"},
          {"effective-yearly-return", "120.00%"}}},
        {calculateCardPayoff,
         {{"balance", "1000"}, {"rate", "18"}, {"payment", "100"}},
         {{"years", "0.83 "},
          {"months", " 10"},
          {"total-interest", "        88.92"},
          {"paid-off", "yes"}}},
        {calculateCardPayoff,
         {{"balance", "1000"}, {"rate", "18"}, {"payment", "600"}},
         {{"years", "0.08 "},
          {"months", "  1"},
          {"total-interest", "        14.79"},
          {"paid-off", "yes"}}},
    };
    for (const Case& c : cases) {
        const CalcResult result = c.calculate(c.fields);
        ASSERT_TRUE(result.accepted()) << refusalOf(result);
        EXPECT_EQ(outputsOf(result), c.expected);
        EXPECT_EQ(result.notice, "");
    }
}

TEST(SmallCalculators, Refusals) {
    struct Case {
        CalcResult (*calculate)(const FieldTexts&);
        FieldTexts fields;
        std::string refusal;
    };
    const FieldTexts inflation = {
        {"start-age", "40"}, {"end-age", "50"}, {"rate", "3"}, {"amount", "1000"}};
    const auto with = [](FieldTexts fields, const std::string& key, const std::string& text) {
        fields[key] = text;
        return fields;
    };
    const FieldTexts investment = {{"amount", "10000"},
                                   {"years", "10"},
                                   {"return", "8"},
                                   {"tax-rate", "25"},
                                   {"inflation", "3"}};
    const FieldTexts card = {{"balance", "1000"}, {"rate", "18"}, {"payment", "100"}};
    const Case cases[] = {
        {calculateInflation, with(inflation, "start-age", "-1"),
         "start-age|Start Age Error!|Start age must be a value from 1 - 120."},
        {calculateInflation, with(inflation, "end-age", "121"),
         "end-age|End Age Error!|End Age must be a value from 1 - 120."},
        {calculateInflation, with(inflation, "end-age", "40"),
         "end-age|End Age Error!|End Age must be greater the Start Age."},
        {calculateInflation, with(inflation, "rate", "-100.5"),
         "rate|Rate Error!|Inflation Rate must be a value from -100 - 100."},
        {calculateInflation, with(inflation, "amount", "0.5"),
         "amount|Amount Error!|This amount must be a value from 1.0 - 99999999.00"},
        {calculateInflation,
         {{"start-age", "0"}, {"end-age", "120"}, {"rate", "100"}, {"amount", "99999999"}},
         "|Amount Error!|The result is too large to show."},
        {calculateEffectiveRate,
         {{"rate", "-200"}},
         "rate|Rate Error!|The Nominal Rate must be a value greater than -200 and less than "
         "200.00"},
        {calculateEffectiveRate,
         {{"rate", "5"}, {"compounding", "other"}, {"periods", "0"}},
         "periods|Period Error!|The number of compounding periods per year must be greater than "
         "or equal to 1 and less than 365"},
        {calculateEffectiveRate,
         {{"rate", "5"}, {"compounding", "other"}, {"periods", "366"}},
         "periods|Period Error!|The number of compounding periods per year must be greater than "
         "or equal to 1 and less than 365"},
        {calculateInvestment, with(investment, "amount", "0"),
         "amount|Amount Error!|The investment amount must be greater than $0.00."},
        {calculateInvestment, with(investment, "years", "0.5"),
         "years|Number of Years Error!|The number of years be greater than 0."},
        {calculateInvestment, with(investment, "years", "101"),
         "years|Number of Years Error!|The number of years must be between 1 and 100."},
        {calculateInvestment, with(investment, "inflation", "-100"),
         "inflation|Rate Error!|The inflation rate must be greater than -100%."},
        {calculateCardPayoff, with(card, "rate", "0.5"),
         "rate|RATE ERROR|Loan/Mortgage rates must be greater than 0.0 and less than 1000.0."},
        {calculateCardPayoff, with(card, "balance", "0"),
         "balance|AMOUNT ERROR|This amount must be greater than 0.00 and less than 99999999.00."},
        {calculateCardPayoff, with(card, "payment", "-1"),
         "payment|AMOUNT ERROR|This amount must be greater than 0.00 and less than 99999999.00."},
        {calculateCardPayoff, with(card, "purchases", "100000001"),
         "purchases|AMOUNT ERROR|This amount must be greater than 0.00 and less than "
         "99999999.00."},
        // The balance outgrows a float long before a hundred years.
        {calculateCardPayoff, with(with(card, "rate", "1000"), "payment", "0"),
         "|Amount Error!|The result is too large to show."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(refusalOf(c.calculate(c.fields)), c.refusal);
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
