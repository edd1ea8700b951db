#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace finplan {

// How the fields of a bank or spreadsheet file are separated.
enum class Delimiter { Tab, Comma };

// The name/amount file a conversion writes into the work directory: "tabout.tmp" or
// "csvout.tmp".
std::string_view intermediateFileName(Delimiter delimiter);

// Which reading a line is filtered for. Each skips lines shorter than 7 characters, lines with
// "LIABILI", "TOTAL" or "Balance" not followed by 'd' (so "Balanced" is kept); the conversion
// also skips "Liabili", "Net Wor" and "Total", the update also "Total".
enum class LineFilter { Convert, Create, Update };
bool skipsLine(std::string_view line, LineFilter filter);

// A name as it is kept: control characters made blanks, a double quote at the first or last
// place made a blank, trailing characters that are neither letters nor digits and leading
// blanks removed. Bytes from 0x80 count as letters (accented names keep their last letter).
std::string cleanName(std::string_view raw);

// An amount as it is kept: commas dropped, parentheses dropped and counted, leading blanks
// dropped, a '-' put in front for a pair of parentheses, trailing characters other than digits
// and '-' dropped while two or more characters are left. What is left must be a plain decimal
// number (-?digits[.digits]) within +-100000000, else the amount is empty.
std::string cleanAmount(std::string_view raw);

struct NameAmount {
    std::string name;
    std::string amount;
};

// One line of a statement file as the conversion reads it: the amount is the last field (the
// text inside the last pair of double quotes when a quote ends the line's last field), the
// name the first (a comma line that opens with a quoted text takes the whole quoted text).
// Empty for a skipped line: a filtered one, one without a separator or with an unbalanced
// quote, a cleaned name or amount shorter than 2 characters.
std::optional<NameAmount> readStatementLine(std::string_view line, Delimiter delimiter);

// One line of the intermediate file, split at its last tab; empty when the filter skips it,
// it has no tab, the cleaned name is shorter than 2 or the amount shorter than minAmount.
std::optional<NameAmount> readIntermediateLine(std::string_view line, LineFilter filter,
                                               std::size_t minAmount);

// The lines of a file: a UTF-8 byte-order mark at the start is skipped, lines end at '\n',
// carriage returns are removed, lines longer than 64 KiB are dropped.
template <class Visit>
void forEachLine(std::string_view content, Visit&& visit);

// The whole intermediate text of a statement: "%s\t%s\n" per usable line.
std::string convertStatement(std::string_view content, Delimiter delimiter);

inline constexpr std::size_t kMaxImportLine = 64 * 1024;

template <class Visit>
void forEachLine(std::string_view content, Visit&& visit) {
    if (content.starts_with("\xEF\xBB\xBF")) {
        content.remove_prefix(3);
    }
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        const std::string_view raw = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (raw.size() > kMaxImportLine) {
            continue;
        }
        std::string line;
        line.reserve(raw.size());
        for (const char c : raw) {
            if (c != '\r') {
                line.push_back(c);
            }
        }
        visit(std::string_view(line));
    }
}

} // namespace finplan
