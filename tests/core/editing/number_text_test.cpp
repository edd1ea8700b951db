#include "editing/field_check.h"
#include "editing/number_text.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace finplan {
namespace {

// What the case's reader makes of its text, as a double.
std::optional<double> readNumber(const test::CaseLine& c) {
    const std::string& text = c.input("text");
    if (c.word == "number") {
        return parseNumberText(text);
    }
    const double min = std::stod(c.input("min"));
    const double max = std::stod(c.input("max"));
    if (c.word == "real") {
        const auto value = checkRealField(text, min, max);
        return value ? std::optional<double>(*value) : std::nullopt;
    }
    const auto value = checkWholeField(text, min, max);
    return value ? std::optional<double>(*value) : std::nullopt;
}

TEST(NumberText, ReadsDecimalsAndMoneyTextsAndFieldsCheckTheirRanges) {
    for (const test::CaseLine& c : test::readCases("editing/number_text.txt")) {
        std::optional<double> expected;
        if (c.expected.front().first != "refused") {
            const std::string& value = c.answer("value");
            expected = c.word == "real" ? std::strtof(value.c_str(), nullptr)
                                        : std::strtod(value.c_str(), nullptr);
        }
        EXPECT_EQ(readNumber(c), expected) << c.where;
    }
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
