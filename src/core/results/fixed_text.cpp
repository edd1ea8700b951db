#include "results/fixed_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace finplan {

void appendFixed(std::string& out, double value, int precision, int width, bool leftAlign) {
    // Fixed notation of a double is at most 309 digits before the point.
    std::array<char, 400> digits{};
    std::size_t length = 0;
    if (std::isfinite(value) && precision >= 0 && precision <= 60) {
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                          std::chars_format::fixed, precision);
        length = static_cast<std::size_t>(result.ptr - digits.data());
    } else {
        const int written = std::snprintf(digits.data(), digits.size(), "%.*f", precision, value);
        length = written > 0 ? static_cast<std::size_t>(written) : 0;
    }
    const std::size_t padding =
        width > 0 && static_cast<std::size_t>(width) > length ? width - length : 0;
    if (!leftAlign) {
        out.append(padding, ' ');
    }
    out.append(digits.data(), length);
    if (leftAlign) {
        out.append(padding, ' ');
    }
}

} // namespace finplan
