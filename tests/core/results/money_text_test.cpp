#include "results/money_text.h"
#include "results/text_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace finplan {
namespace {

std::string money(std::string text) {
    formatMoney(text);
    return text;
}
std::string thousands(std::string text) {
    insertThousands(text, false);
    return text;
}
std::string thousandsBlank(std::string text) {
    insertThousands(text, true);
    return text;
}
std::string compacted(std::string text) {
    compactNumber(text);
    return text;
}

TEST(MoneyText, TextStepsGiveTheirTexts) {
    struct Case {
        std::string (*step)(std::string);
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        // Blanks dropped, cut at the first character that is no part of a number.
        {compacted, "  12 34.5  ", "1234.5"},
        {compacted, "$-1.0abc9", "$-1.0"},
        {compacted, "1,234.00", "1"},
        {compacted, "12\t34", "12"},
        {compacted, "5.00%", "5.00"},
        {compacted, "abc", ""},
        // Commas left of the point, padding of right-aligned formats ignored.
        {money, "1234.56      ", "$1,234.56"},
        {money, "-1234.56     ", "$-1,234.56"},
        {money, "123.45       ", "$123.45"},
        {money, "1234567.00   ", "$1,234,567.00"},
        {money, "-123456.00   ", "$-123,456.00"},
        {money, "0.00         ", "$0.00"},
        {money, "-100.00", "$-100.00"},
        {money, "-1000.00", "$-1,000.00"},
        {money, "-0.00", "$-0.00"},
        {money, "1234", "$1234"}, // without a point only the dollar sign
        {money, "", "$"},
        {money, "        -5.00  ", "$-5.00"},
        {money, formatText("%13.2f", -5.0), "$-5.00"},
        {money, formatText("%14.2f", 1234567.891), "$1,234,567.89"},
        // Whole numbers counted from the end.
        {thousands, "1234567", "$1,234,567"},
        {thousands, "-1234", "$-1,234"},
        {thousands, "999", "$999"},
        {thousands, "1000", "$1,000"},
        {thousands, "-100", "$-100"},
        {thousands, "-999999", "$-999,999"},
        {thousands, "    1234", "$1,234"},
        {thousands, "", "$"},
        {thousandsBlank, "1234", " $1,234"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.step(c.in), c.out) << '"' << c.in << '"';
    }
}

TEST(MoneyText, AmountsHugeAndNonFiniteIncluded) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::pair<float, std::string> cases[] = {
        {1234.56f, "$1,234.56"},
        {-1234.56f, "$-1,234.56"},
        {0.0f, "$0.00"},
        {99999.99f, "$99,999.99"},
        {999999.99f, "$1,000,000.00"}, // the nearest float is 1000000
        {0.005f, "$0.00"},             // 0.005f lies just below 0.005
        {-0.001f, "$-0.00"},
        {1e20f, "$100,000,002,004,087,734,272.00"},
        {std::numeric_limits<float>::max(),
         "$340,282,346,638,528,859,811,704,183,484,516,925,440.00"},
        {nan, "$"},
        {-nan, "$-"},
        {inf, "$"},
        {-inf, "$-"},
    };
    for (const auto& [amount, text] : cases) {
        EXPECT_EQ(moneyText(amount), text) << amount;
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
