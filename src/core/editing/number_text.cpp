#include "editing/number_text.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace finplan {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string withoutMoneySigns(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (c != '$' && c != ',') {
            kept.push_back(c);
        }
    }
    const auto first = kept.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    std::size_t last = kept.size();
    while (isBlank(kept[last - 1])) {
        --last;
    }
    return kept.substr(first, last - first);
}

std::size_t skipDigits(const std::string& text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

// Whether the whole text is [sign] (digits [. digits] | . digits) [(e|E) [sign] digits].
bool isPlainDecimal(const std::string& text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t intEnd = skipDigits(text, at);
    bool digits = intEnd > at;
    at = intEnd;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fracEnd = skipDigits(text, at + 1);
        digits = digits || fracEnd > at + 1;
        at = fracEnd;
    }
    if (!digits) {
        return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            ++at;
        }
        const std::size_t expEnd = skipDigits(text, at);
        if (expEnd == at) {
            return false;
        }
        at = expEnd;
    }
    return at == text.size();
}

} // namespace

std::optional<double> parseNumberText(std::string_view text) {
    std::string number = withoutMoneySigns(text);
    if (!isPlainDecimal(number)) {
        return std::nullopt;
    }
    // from_chars takes no leading '+'.
    const std::size_t start = number.front() == '+' ? 1 : 0;
    double value = 0.0;
    const char* first = number.data() + start;
    const char* last = number.data() + number.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace finplan
