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

std::string thousands(std::string text, bool leadingBlank = false) {
    insertThousands(text, leadingBlank);
    return text;
}

std::string compacted(std::string text) {
    compactNumber(text);
    return text;
}

TEST(MoneyText, CompactNumberDropsBlanksAndCutsAtTheFirstForeignCharacter) {
    EXPECT_EQ(compacted("  12 34.5  "), "1234.5");
    EXPECT_EQ(compacted("$-1.0abc9"), "$-1.0");
    EXPECT_EQ(compacted("1,234.00"), "1");
    EXPECT_EQ(compacted("12\t34"), "12");
    EXPECT_EQ(compacted("5.00%"), "5.00");
    EXPECT_EQ(compacted("abc"), "");
}

TEST(MoneyText, FormatMoneyPlacesCommasLeftOfThePoint) {
    EXPECT_EQ(money("1234.56      "), "$1,234.56");
    EXPECT_EQ(money("-1234.56     "), "$-1,234.56");
    EXPECT_EQ(money("123.45       "), "$123.45");
    EXPECT_EQ(money("1234567.00   "), "$1,234,567.00");
    EXPECT_EQ(money("-123456.00   "), "$-123,456.00");
    EXPECT_EQ(money("0.00         "), "$0.00");
    EXPECT_EQ(money("-100.00"), "$-100.00");
    EXPECT_EQ(money("-1000.00"), "$-1,000.00");
    EXPECT_EQ(money("-0.00"), "$-0.00");
}

TEST(MoneyText, FormatMoneyWithoutPointOnlyGetsTheDollarSign) {
    EXPECT_EQ(money("1234"), "$1234");
    EXPECT_EQ(money(""), "$");
}

TEST(MoneyText, FormatMoneyIgnoresThePaddingOfRightAlignedFormats) {
    EXPECT_EQ(money("        -5.00  "), "$-5.00");
    EXPECT_EQ(money(formatText("%13.2f", -5.0)), "$-5.00");
    EXPECT_EQ(money(formatText("%14.2f", 1234567.891)), "$1,234,567.89");
}

TEST(MoneyText, InsertThousandsCountsFromTheEnd) {
    EXPECT_EQ(thousands("1234567"), "$1,234,567");
    EXPECT_EQ(thousands("-1234"), "$-1,234");
    EXPECT_EQ(thousands("999"), "$999");
    EXPECT_EQ(thousands("1000"), "$1,000");
    EXPECT_EQ(thousands("-100"), "$-100");
    EXPECT_EQ(thousands("-999999"), "$-999,999");
    EXPECT_EQ(thousands("    1234"), "$1,234");
    EXPECT_EQ(thousands(""), "$");
}

TEST(MoneyText, InsertThousandsLeadingBlank) {
    EXPECT_EQ(thousands("1234", true), " $1,234");
}

TEST(MoneyText, MoneyTextOfAmounts) {
    EXPECT_EQ(moneyText(1234.56f), "$1,234.56");
    EXPECT_EQ(moneyText(-1234.56f), "$-1,234.56");
    EXPECT_EQ(moneyText(0.0f), "$0.00");
    EXPECT_EQ(moneyText(99999.99f), "$99,999.99");
    EXPECT_EQ(moneyText(999999.99f), "$1,000,000.00"); // the nearest float is 1000000
    EXPECT_EQ(moneyText(0.005f), "$0.00");             // 0.005f lies just below 0.005
    EXPECT_EQ(moneyText(-0.001f), "$-0.00");
}

TEST(MoneyText, HugeAndNonFiniteAmountsGiveSafeTexts) {
    EXPECT_EQ(moneyText(1e20f), "$100,000,002,004,087,734,272.00");
    const std::string largest = moneyText(std::numeric_limits<float>::max());
    EXPECT_EQ(largest, "$340,282,346,638,528,859,811,704,183,484,516,925,440.00");

    EXPECT_EQ(moneyText(std::numeric_limits<float>::quiet_NaN()), "$");
    EXPECT_EQ(moneyText(-std::numeric_limits<float>::quiet_NaN()), "$-");
    EXPECT_EQ(moneyText(std::numeric_limits<float>::infinity()), "$");
    EXPECT_EQ(moneyText(-std::numeric_limits<float>::infinity()), "$-");
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
