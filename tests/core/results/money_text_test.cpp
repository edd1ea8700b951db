#include "results/money_text.h"
#include "results/text_format.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

namespace finplan {
namespace {

// What each step of a case file line makes of its input.
std::string stepText(const test::CaseLine& c) {
    if (c.word == "amount") {
        return moneyText(std::strtof(c.input("value").c_str(), nullptr));
    }
    std::string text = c.input("in");
    if (c.word == "compact") {
        compactNumber(text);
    } else if (c.word == "money") {
        formatMoney(text);
    } else {
        insertThousands(text, c.word == "thousands-blank");
    }
    return text;
}

TEST(MoneyText, KnownTexts) {
    for (const test::CaseLine& c : test::readCases("results/money_text.txt")) {
        EXPECT_EQ(stepText(c), c.answer("out")) << c.where;
    }
}

TEST(MoneyText, RateLineAppendsTheCompactedRateAndPercent) {
    EXPECT_EQ(formatRateLine("     Tax Rate = ", 15.0f), "     Tax Rate = 15.00%");
    EXPECT_EQ(formatRateLine(" Savings = ", -2.5f), " Savings = -2.50%");
    EXPECT_EQ(formatRateLine("", 0.0f), "0.00%");
    EXPECT_EQ(formatRateLine("r=", 1234.5f), "r=1234.50%"); // rates get no commas
    EXPECT_EQ(formatRateLine("r=", std::numeric_limits<float>::quiet_NaN()), "r=%");
}

TEST(TextFormat, MatchesPrintfAtAnyLength) {
    EXPECT_EQ(formatText("%-13.2f|", 1234.56), "1234.56      |");
    EXPECT_EQ(formatText("%-5.1f|%3d|%s", 45.0, 7, "x"), "45.0 |  7|x");
    const std::string longText(5000, 'a');
    EXPECT_EQ(formatText("<%s>", longText.c_str()), "<" + longText + ">");
}

} // namespace
} // namespace finplan
