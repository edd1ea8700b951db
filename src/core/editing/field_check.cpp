#include "editing/field_check.h"

#include "editing/number_text.h"

#include <array>
#include <cmath>

namespace finplan {

double fieldNumber(std::string_view text) {
    return parseNumberText(text).value_or(0.0);
}

std::optional<float> checkRealField(std::string_view text, double min, double max) {
    const double value = fieldNumber(text);
    if (value < min || value > max) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

std::optional<int> checkWholeField(std::string_view text, double min, double max) {
    // Numbers are finite here, so the whole parts are too; the bounds keep them in int range.
    const double value = std::trunc(fieldNumber(text));
    if (value < std::trunc(min) || value > std::trunc(max)) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string_view validationMessage(int number) {
    static constexpr std::array<std::string_view, 11> kMessages = {
        "This amount must be greater than 0.00 and less than 99999999.00.",
        "This age must be between 1 and 120.0.",
        "This rate must be between 0.0% and 1000.0%.",
        "The number of years must be between 1 and 100.",
        "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.",
        "This age must be between 1.0 and 120.0.",
        "The Applied Rate must be between -20.0% and 20.0%",
        "The birth month value must between 1 and 12",
        "The birth day value must be between 1 and 31",
        "This rate must be between -99.0% and 99.0%",
        "This age must be less than 120.0",
    };
    if (number < 2 || number > 12) {
        return {};
    }
    return kMessages[static_cast<std::size_t>(number - 2)];
}

} // namespace finplan
