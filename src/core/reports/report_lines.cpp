#include "reports/report_lines.h"

#include "model/file_io.h"

#include <climits>
#include <cstdlib>

namespace finplan {

bool isEndMarker(std::string_view line) {
    const std::string_view text = trimmed(line);
    return text == "Dooooone" || text == "Dooone";
}

bool isRuleLine(std::string_view line) {
    const std::string_view text = trimmed(line);
    return !text.empty() && text.find_first_not_of('-') == std::string_view::npos;
}

std::vector<std::string_view> linesBeforeEnd(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (isEndMarker(line)) {
            break;
        }
        lines.push_back(line);
        start = next;
    }
    return lines;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            pieces.push_back(line.substr(start));
            return pieces;
        }
        pieces.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

float leadingFloat(std::string_view text) {
    const std::string copy(text);
    return std::strtof(copy.c_str(), nullptr);
}

int leadingInt(std::string_view text) {
    const std::string copy(text);
    const long value = std::strtol(copy.c_str(), nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

std::optional<std::string> readReportFile(const std::filesystem::path& path) {
    const auto bytes = readFileBytes(path, kMaxReportFileBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

} // namespace finplan
