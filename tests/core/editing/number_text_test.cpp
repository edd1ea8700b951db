#include "editing/field_check.h"
#include "editing/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace finplan {
namespace {

TEST(NumberText, ReadsPlainDecimalsAndTheProgramsOwnMoneyTexts) {
    struct Case {
        std::string text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"599.55", 599.55},
        {"  599.55   ", 599.55},
        {"-12", -12.0},
        {"+7", 7.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e3", 1000.0},
        {"2.5E-1", 0.25},
        {"$17,908.47", 17908.47},
        {"1,000", 1000.0},
        {"$-1,234.50", -1234.5},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"$", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"inf", std::nullopt},
        {"-infinity", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
        {"12abc", std::nullopt},
        {"1 000", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"--1", std::nullopt},
        {"1e999", std::nullopt},
        {"6%", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseNumberText(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(FieldCheck, RangesIncludeTheirBoundsAndNonNumbersCountZero) {
    EXPECT_EQ(checkRealField("1000", 1.0, 1000.0), 1000.0f);
    EXPECT_EQ(checkRealField("1", 1.0, 1000.0), 1.0f);
    EXPECT_EQ(checkRealField("0.5", 1.0, 1000.0), std::nullopt);
    EXPECT_EQ(checkRealField("1000.01", 1.0, 1000.0), std::nullopt);
    EXPECT_EQ(checkRealField("abc", 0.0, 10.0), 0.0f);
    EXPECT_EQ(checkRealField("abc", 1.0, 10.0), std::nullopt);
    // The range is checked on the text's value, before it becomes a float.
    EXPECT_EQ(checkRealField("100000000.004", 0.0, 100000000.0), std::nullopt);

    EXPECT_EQ(checkWholeField("30.9", 1.0, 100.0), 30);
    EXPECT_EQ(checkWholeField("100.9", 1.0, 100.0), 100);
    EXPECT_EQ(checkWholeField("0.9", 1.0, 100.0), std::nullopt);
    EXPECT_EQ(checkWholeField("-0.5", 0.0, 10.0), 0);
    EXPECT_EQ(checkWholeField("1e12", 1.0, 100.0), std::nullopt);
    EXPECT_EQ(checkWholeField("5", 1.5, 5.5), 5); // between the whole parts of the bounds
    EXPECT_EQ(checkWholeField("1", 1.5, 5.5), 1);
}

TEST(FieldCheck, NumberedMessages) {
    EXPECT_EQ(validationMessage(2),
              "This amount must be greater than 0.00 and less than 99999999.00.");
    EXPECT_EQ(validationMessage(5), "The number of years must be between 1 and 100.");
    EXPECT_EQ(validationMessage(6),
              "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.");
    EXPECT_EQ(validationMessage(7), "This age must be between 1.0 and 120.0.");
    EXPECT_EQ(validationMessage(12), "This age must be less than 120.0");
    EXPECT_EQ(validationMessage(1), "");
    EXPECT_EQ(validationMessage(13), "");
}

} // namespace
} // namespace finplan
