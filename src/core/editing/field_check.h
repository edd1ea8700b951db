#pragma once

#include <optional>
#include <string_view>

namespace finplan {

// The checks every editor and calculator applies to a typed field, and the numbered messages
// they show when a field is refused.

// The number in a field's text; a text that is not a number counts as 0.
double fieldNumber(std::string_view text);

// A real field: accepted when min <= value <= max, then kept as a float.
std::optional<float> checkRealField(std::string_view text, double min, double max);

// A whole-number field: the number cut toward zero, accepted when it lies between the whole
// parts of min and max, both included.
std::optional<int> checkWholeField(std::string_view text, double min, double max);

// The numbered validation messages 2 to 12; empty for any other number.
std::string_view validationMessage(int number);

} // namespace finplan
