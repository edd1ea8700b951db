#include "calculators/trade_info_file.h"

#include "editing/number_text.h"
#include "results/text_format.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace finplan {

namespace {

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

float valueOf(std::string_view line) {
    const auto number = parseNumberText(line);
    if (!number) {
        return 0.0f;
    }
    const auto value = static_cast<float>(*number);
    return std::isfinite(value) ? value : 0.0f;
}

} // namespace

TradeRecord readTradeInfo(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    TradeRecord record;
    std::size_t at = 0;
    for (std::string& name : record.names) {
        if (at < lines.size()) {
            name = std::string(lines[at].substr(0, kTradeNameLength));
        }
        ++at;
    }
    for (float& value : record.values) {
        value = at < lines.size() ? valueOf(lines[at]) : 0.0f;
        ++at;
    }
    record.periods() = std::clamp(record.periods(), 0.0f, static_cast<float>(kTradeMaxPeriods));
    return record;
}

std::string tradeInfoText(const TradeRecord& record) {
    std::string text;
    for (const std::string& name : record.names) {
        text += name;
        text.push_back('\n');
    }
    for (const float value : record.values) {
        text += formatText("%f\n", static_cast<double>(value));
    }
    return text;
}

} // namespace finplan
