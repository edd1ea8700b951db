#include "editing/import_line.h"

#include "editing/number_text.h"

#include <algorithm>
#include <cmath>

namespace finplan {

namespace {

constexpr std::size_t kShortestLine = 7;
constexpr double kLargestAmount = 100000000.0;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetterOrDigit(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return isDigit(c) || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           byte >= 0x80;
}

bool contains(std::string_view line, std::string_view word) {
    return line.find(word) != std::string_view::npos;
}

// "Balance" anywhere but as the start of "Balanced".
bool hasBareBalance(std::string_view line) {
    constexpr std::string_view kWord = "Balance";
    for (std::size_t at = line.find(kWord); at != std::string_view::npos;
         at = line.find(kWord, at + 1)) {
        const std::size_t next = at + kWord.size();
        if (next >= line.size() || line[next] != 'd') {
            return true;
        }
    }
    return false;
}

bool isPlainDecimal(std::string_view text) {
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const std::size_t wholeStart = at;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    if (at == wholeStart) {
        return false;
    }
    if (at == text.size()) {
        return true;
    }
    if (text[at] != '.') {
        return false;
    }
    const std::size_t fractionStart = ++at;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at == text.size() && at > fractionStart;
}

char separatorOf(Delimiter delimiter) {
    return delimiter == Delimiter::Tab ? '\t' : ',';
}

// The raw amount: inside the last pair of quotes when a quote comes before any separator or
// period seen from the end, else after the last separator.
std::optional<std::string_view> rawAmount(std::string_view line, Delimiter delimiter) {
    const char separator = separatorOf(delimiter);
    for (std::size_t i = line.size(); i-- > 0;) {
        const char c = line[i];
        if (c == '"') {
            const std::size_t open = i == 0 ? std::string_view::npos : line.rfind('"', i - 1);
            if (open == std::string_view::npos) {
                return std::nullopt;
            }
            return line.substr(open + 1, i - open - 1);
        }
        if (c == separator || c == '.' || (delimiter == Delimiter::Tab && c == ',')) {
            break;
        }
    }
    const std::size_t last = line.rfind(separator);
    return line.substr(last + 1);
}

} // namespace

std::string_view intermediateFileName(Delimiter delimiter) {
    return delimiter == Delimiter::Tab ? "tabout.tmp" : "csvout.tmp";
}

bool skipsLine(std::string_view line, LineFilter filter) {
    if (line.size() < kShortestLine || contains(line, "LIABILI") || contains(line, "TOTAL") ||
        hasBareBalance(line)) {
        return true;
    }
    switch (filter) {
    case LineFilter::Convert:
        return contains(line, "Liabili") || contains(line, "Net Wor") || contains(line, "Total");
    case LineFilter::Update:
        return contains(line, "Total");
    case LineFilter::Create:
        break;
    }
    return false;
}

std::string cleanName(std::string_view raw) {
    std::string name(raw);
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    if (!name.empty() && name.front() == '"') {
        name.front() = ' ';
    }
    if (!name.empty() && name.back() == '"') {
        name.back() = ' ';
    }
    while (!name.empty() && !isLetterOrDigit(name.back())) {
        name.pop_back();
    }
    const std::size_t first = name.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : name.substr(first);
}

std::string cleanAmount(std::string_view raw) {
    std::string amount;
    int parentheses = 0;
    for (const char c : raw) {
        if (c == '(' || c == ')') {
            ++parentheses;
        } else if (c != ',') {
            amount.push_back(c);
        }
    }
    // Blanks go before the sign is set, so " (250.00)" reads as -250.00.
    amount.erase(0, std::min(amount.find_first_not_of(' '), amount.size()));
    if (parentheses == 2) {
        amount.insert(amount.begin(), '-');
    }
    while (amount.size() >= 2 && !isDigit(amount.back()) && amount.back() != '-') {
        amount.pop_back();
    }
    if (!isPlainDecimal(amount)) {
        return {};
    }
    const auto value = parseNumberText(amount);
    if (!value || std::fabs(*value) > kLargestAmount) {
        return {};
    }
    return amount;
}

std::optional<NameAmount> readStatementLine(std::string_view line, Delimiter delimiter) {
    if (skipsLine(line, LineFilter::Convert) ||
        std::count(line.begin(), line.end(), '"') % 2 != 0) {
        return std::nullopt;
    }
    const char separator = separatorOf(delimiter);
    std::string_view name;
    if (delimiter == Delimiter::Comma && line.starts_with('"')) {
        const std::size_t close = line.find('"', 1);
        if (line.find(separator, close) == std::string_view::npos) {
            return std::nullopt;
        }
        name = line.substr(1, close - 1);
    } else {
        const std::size_t first = line.find(separator);
        if (first == std::string_view::npos) {
            return std::nullopt;
        }
        name = line.substr(0, first);
    }
    const auto amount = rawAmount(line, delimiter);
    if (!amount) {
        return std::nullopt;
    }
    NameAmount result{cleanName(name), cleanAmount(*amount)};
    if (result.name.size() < 2 || result.amount.size() < 2) {
        return std::nullopt;
    }
    return result;
}

std::optional<NameAmount> readIntermediateLine(std::string_view line, LineFilter filter,
                                               std::size_t minAmount) {
    const std::size_t tab = line.rfind('\t');
    if (skipsLine(line, filter) || tab == std::string_view::npos) {
        return std::nullopt;
    }
    NameAmount result{cleanName(line.substr(0, tab)), cleanAmount(line.substr(tab + 1))};
    if (result.name.size() < 2 || result.amount.size() < minAmount) {
        return std::nullopt;
    }
    return result;
}

std::string convertStatement(std::string_view content, Delimiter delimiter) {
    std::string out;
    forEachLine(content, [&](std::string_view line) {
        if (const auto read = readStatementLine(line, delimiter)) {
            out += read->name;
            out += '\t';
            out += read->amount;
            out += '\n';
        }
    });
    return out;
}

} // namespace finplan
