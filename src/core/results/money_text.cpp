#include "results/money_text.h"

#include "results/fixed_text.h"
#include "results/text_format.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace finplan {
namespace {

bool keptInNumber(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '$';
}

// Copies text[0, end) into "$..." with a ',' before each of the k positions end - 3,
// end - 6, ...; callers keep end - 3k at 1 or more, so no comma ever leads the number.
std::string withCommas(const std::string& text, std::size_t end, std::size_t k) {
    std::string result;
    result.reserve(text.size() + k + 1);
    result.push_back('$');
    const std::size_t firstComma = end - 3 * k;
    for (std::size_t i = 0; i < end; ++i) {
        if (k > 0 && i >= firstComma && (end - i) % 3 == 0) {
            result.push_back(',');
        }
        result.push_back(text[i]);
    }
    result.append(text, end, std::string::npos);
    return result;
}

// (length - 1 - minus) / 3 with C's integer division, never below 0.
std::size_t commaCount(std::size_t length, bool minus) {
    const long digits = static_cast<long>(length) - 1 - (minus ? 1 : 0);
    return digits > 0 ? static_cast<std::size_t>(digits / 3) : 0;
}

} // namespace

void compactNumber(std::string& text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (c == ' ') {
            continue;
        }
        if (!keptInNumber(c)) {
            break;
        }
        compact.push_back(c);
    }
    text = std::move(compact);
}

void formatMoney(std::string& text) {
    compactNumber(text);
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos) {
        text.insert(0, 1, '$');
        return;
    }
    const bool minus = text.find('-') < dot;
    text = withCommas(text, dot, commaCount(dot, minus));
}

void insertThousands(std::string& text, bool leadingBlank) {
    compactNumber(text);
    const bool minus = text.find('-') != std::string::npos;
    text = withCommas(text, text.size(), commaCount(text.size(), minus));
    if (leadingBlank) {
        text.insert(0, 1, ' ');
    }
}

std::string formatRateLine(std::string_view label, float rate) {
    std::string number = formatText("%-7.2f", static_cast<double>(rate));
    compactNumber(number);
    std::string line(label);
    line += number;
    line += '%';
    return line;
}

std::string moneyText(float amount) {
    // Printed as "%-13.2f"; the padding would be compacted away at once.
    std::string text;
    appendFixed(text, amount, 2);
    if (!std::isfinite(amount)) {
        formatMoney(text);
        return text;
    }
    // A finite amount prints as [-]digits.dd, which needs nothing compacted: the commas go
    // straight in. Schedules hold tens of thousands of amounts.
    const bool minus = text.front() == '-';
    const std::size_t dot = text.size() - 3;
    return withCommas(text, dot, commaCount(dot, minus));
}

} // namespace finplan
