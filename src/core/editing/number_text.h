#pragma once

#include <optional>
#include <string_view>

namespace finplan {

// The number a user typed into a field, read the same way whatever the locale. Every '$' and
// ',' is dropped first, so the program's own money texts read back ("$1,000.50" is 1000.5), and
// blanks around the number are ignored. What is left must be a plain decimal number: an
// optional sign, digits with an optional '.', an optional exponent ("1e5"). Hex, "inf", "nan",
// anything with other characters and values beyond the range of a double are not numbers.
std::optional<double> parseNumberText(std::string_view text);

} // namespace finplan
