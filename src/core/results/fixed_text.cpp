#include "results/fixed_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
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

namespace {

void pad(std::string& out, std::size_t length, int width) {
    if (width > 0 && static_cast<std::size_t>(width) > length) {
        out.append(static_cast<std::size_t>(width) - length, ' ');
    }
}

} // namespace

void appendFixed(std::string& out, float value, int precision, int width, bool leftAlign) {
    constexpr double kLargestExact = 9.0e15; // below 2^53: the scaled value is a whole number
    const double scale = precision == 1 ? 10.0 : 100.0;
    const double scaled = static_cast<double>(value) * scale; // exact for a float
    if ((precision != 1 && precision != 2) || !(std::fabs(scaled) < kLargestExact)) {
        appendFixed(out, static_cast<double>(value), precision, width, leftAlign);
        return;
    }
    // printf rounds an exact tie to even. Below 2^53 the whole part and the fraction split
    // exactly, so the tie is seen as it is.
    const double magnitude = std::fabs(scaled);
    auto units = static_cast<std::uint64_t>(magnitude);
    const double fraction = magnitude - static_cast<double>(units);
    if (fraction > 0.5 || (fraction == 0.5 && (units & 1U) != 0)) {
        ++units;
    }
    std::array<char, 24> digits{};
    std::size_t at = digits.size();
    for (int i = 0; i < precision; ++i) {
        digits[--at] = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    digits[--at] = '.';
    do {
        digits[--at] = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units != 0);
    if (std::signbit(value)) {
        digits[--at] = '-';
    }
    const std::size_t length = digits.size() - at;
    if (!leftAlign) {
        pad(out, length, width);
    }
    out.append(digits.data() + at, length);
    if (leftAlign) {
        pad(out, length, width);
    }
}

} // namespace finplan
