#include "editing/budget_files.h"

#include "editing/budget_items.h"
#include "editing/number_text.h"
#include "model/text_field.h"
#include "results/text_format.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace finplan {

namespace {

constexpr std::string_view kEndMarker = "Dooone";
constexpr std::size_t kItemNameLength = 20;
constexpr std::size_t kPastedNameLength = 29;
// The limits of an item's amount and rate, as the item editor checks them.
constexpr double kAmountLimit = 100000000.0;
constexpr double kRateLimit = 200.0;

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

std::string itemName(const Budget& budget, int index) {
    const std::string_view name = fieldText(budget.itemName[at(index)]);
    return std::string(name.substr(0, std::min(name.size(), kItemNameLength)));
}

// Control characters would break the lines of this file and of the report pages.
std::string blanksForControls(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            c = ' ';
        }
    }
    return out;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const auto tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return fields;
        }
        line = line.substr(tab + 1);
    }
}

std::optional<long> wholeOf(std::string_view text) {
    const auto value = parseNumberText(text);
    if (!value || *value != std::trunc(*value) || std::fabs(*value) > 1e9) {
        return std::nullopt;
    }
    return static_cast<long>(*value);
}

std::optional<std::int16_t> ageOf(std::string_view text) {
    const auto value = wholeOf(text);
    if (!value || *value < std::numeric_limits<std::int16_t>::min() ||
        *value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*value);
}

// Limits as the item editor's, both included, on the value as a float holds it, so that
// whatever is pasted is written and pasted again alike.
std::optional<float> limited(std::string_view text, double limit) {
    const auto value = parseNumberText(text);
    if (!value || std::fabs(*value) > limit) {
        return std::nullopt;
    }
    const auto stored = static_cast<float>(*value);
    if (std::fabs(static_cast<double>(stored)) > limit) {
        return std::nullopt;
    }
    return stored;
}

// One item line into the item at `index`; false when the line is no item.
bool readItem(std::string_view line, Budget& budget, int index) {
    const auto fields = splitTabs(line);
    if (fields.size() < 5) {
        return false;
    }
    const auto amount = limited(fields[1], kAmountLimit);
    const auto monthly = wholeOf(fields[2]);
    const auto track = wholeOf(fields[3]);
    const auto rate = limited(fields[4], kRateLimit);
    if (!amount || !monthly || !track || !rate) {
        return false;
    }
    const std::string_view name = fields[0].substr(0, std::min(fields[0].size(), kItemNameLength));
    setFieldText(budget.itemName[at(index)], blanksForControls(name));
    budget.itemAmount[at(index)] = *amount;
    budget.itemMonthly[at(index)] = *monthly != 0 ? 1 : 0;
    budget.itemTrack[at(index)] = *track != 0 ? 1 : 0;
    budget.itemApplyRate[at(index)] = *rate;
    return true;
}

} // namespace

std::string budgetCopyText(const Budget& budget) {
    const int count = budgetItemCount(budget);
    std::string text = formatText("%d\n", count);
    text += formatText("%-30s\n", std::string(fieldText(budget.name)).c_str());
    text += formatText("%3d\n", budget.startAge);
    text += formatText("%3d\n", budget.endAge);
    for (int i = 0; i < count; ++i) {
        text += formatText("%s\t%f\t%d\t%d\t%f\n", itemName(budget, i).c_str(),
                           static_cast<double>(budget.itemAmount[at(i)]),
                           int{budget.itemMonthly[at(i)]}, int{budget.itemTrack[at(i)]},
                           static_cast<double>(budget.itemApplyRate[at(i)]));
    }
    text += kEndMarker;
    return text;
}

std::string budgetSheetText(const Budget& budget) {
    std::string text = "Name\tAmount \tMonth\tTrack\tApplied Rate \tYearly Amount\n";
    text += "------------------------\n";
    float total = 0.0f;
    for (int i = 0; i < budgetItemCount(budget); ++i) {
        const float amount = budget.itemAmount[at(i)];
        const bool monthly = budget.itemMonthly[at(i)] != 0;
        const float yearly = monthly ? 12.0f * amount : amount;
        const double rate = budget.itemApplyRate[at(i)];
        total += yearly;
        text +=
            formatText("%s\t%13.2f \t", itemName(budget, i).c_str(), static_cast<double>(amount));
        text += monthly ? "X\t" : " \t";
        text += budget.itemTrack[at(i)] != 0 ? "X\t" : " \t";
        if (budget.itemInflation[at(i)] != 0 && rate == 0.0) {
            text += "Inflation \t" + formatText("%13.2f \n", static_cast<double>(yearly));
        } else if (budget.itemInflation[at(i)] != 0) {
            text += formatText("Inf.+%8.3f \t%13.2f \n", rate, static_cast<double>(yearly));
        } else {
            text += formatText("%8.3f \t%13.2f \n", rate, static_cast<double>(yearly));
        }
    }
    text += formatText("\t\t\t\tTotal\t%13.2f\n", static_cast<double>(total));
    // A line feed after the marker keeps the last line whole for line readers.
    text += std::string(kEndMarker) + "\n";
    return text;
}

std::optional<Budget> parseBudgetCopy(std::string_view text, const Budget& current) {
    const auto lines = splitLines(text);
    if (lines.size() < 4) {
        return std::nullopt;
    }
    const auto count = wholeOf(lines[0]);
    const auto start = ageOf(lines[2]);
    const auto end = ageOf(lines[3]);
    if (!count || *count < 1 || *count > kBudgetItemCount || !start || !end) {
        return std::nullopt;
    }
    Budget pasted = current;
    const std::string_view name = lines[1].substr(0, std::min(lines[1].size(), kPastedNameLength));
    setFieldText(pasted.name, blanksForControls(name));
    pasted.startAge = *start;
    pasted.endAge = *end;
    int read = 0;
    std::size_t next = 4;
    bool ended = false;
    for (; read < *count && next < lines.size(); ++next) {
        if (lines[next].find(kEndMarker) != std::string_view::npos) {
            ended = true;
            break;
        }
        if (!readItem(lines[next], pasted, read)) {
            return std::nullopt;
        }
        ++read;
    }
    if (!ended &&
        (next >= lines.size() || lines[next].find(kEndMarker) == std::string_view::npos)) {
        return std::nullopt;
    }
    pasted.itemCount = static_cast<std::int16_t>(read);
    fillBudgetTotals(pasted);
    return pasted;
}

} // namespace finplan
