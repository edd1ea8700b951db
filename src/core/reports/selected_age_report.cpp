#include "reports/selected_age_report.h"

#include "reports/report_lines.h"
#include "results/fixed_text.h"
#include "results/text_format.h"

#include <array>

namespace finplan {

namespace {

constexpr std::array<const char*, kAccountKindCount> kKindNames = {
    "Asset", "Equity", "Investment Savings", "Retirement Savings", "Tax Free Savings"};
constexpr const char* kOther = "Other";
constexpr const char* kSelectedRule = "------------------------------\n";

// One account of the row: its name, its cell as the flow report writes it, its key (kind
// or group, -1 for unknown).
struct Cell {
    std::string name;
    std::string amount;
    int key = -1;
};

std::string amountLine(const char* label, const std::string& name, float sum) {
    std::string line = formatText(label, name.c_str());
    appendFixed(line, sum, 2, 13);
    return line + "\n";
}

// The cells in blocks of ascending key, unknown keys last, column order inside a block.
std::string blocks(const std::vector<Cell>& cells, int keys, const char* cellFormat,
                   const char* subtotalFormat, const std::vector<std::string>& keyNames) {
    std::string text;
    float total = 0.0f;
    for (int key = 0; key <= keys; ++key) {
        const int wanted = key == keys ? -1 : key;
        float sum = 0.0f;
        bool any = false;
        for (const Cell& cell : cells) {
            if (cell.key != wanted) {
                continue;
            }
            text += formatText(cellFormat, cell.name.c_str(), cell.amount.c_str());
            sum += leadingFloat(cell.amount);
            any = true;
        }
        if (any) {
            text += amountLine(subtotalFormat,
                               wanted < 0 ? kOther : keyNames[static_cast<std::size_t>(key)], sum);
            total += sum;
        }
    }
    std::string totalLine = "\tTotal\t";
    appendFixed(totalLine, total, 2, 13);
    return text + totalLine + "\nDooone\n";
}

} // namespace

std::optional<SelectedRow> parseSelectedRow(std::string_view label) {
    const std::string_view text = trimmed(label);
    const std::size_t end = text.find_first_of(".IO");
    const std::string_view ageText = text.substr(0, end);
    if (ageText.empty() || ageText.find_first_not_of("0123456789") != std::string_view::npos ||
        ageText.size() > 3) {
        return std::nullopt;
    }
    return SelectedRow{leadingInt(ageText), text.find('I') != std::string_view::npos};
}

PagesWritten writeSelectedAgeReport(const AccountFlows& flows, const ReportSource& source,
                                    SelectedRow row, const ReportTarget& target) {
    if (flows.empty() || row.age < flows.firstAge || row.age > flows.lastAge) {
        return {};
    }
    const auto& values =
        (row.incoming ? flows.incoming : flows.outgoing)[static_cast<std::size_t>(row.age)];
    std::vector<Cell> byKind;
    std::vector<Cell> byGroup;
    const std::size_t count = std::min<std::size_t>(flows.names.size(), kMaxAccounts);
    for (std::size_t i = 0; i < count; ++i) {
        // Kind and group belong to the account at the same position of the same run only.
        const bool same = i < source.accounts.size() && source.accounts[i].name == flows.names[i];
        const std::string amount = fixedText(static_cast<double>(values[i]), 2, 13);
        byKind.push_back({flows.names[i], amount, same ? source.accounts[i].kind : -1});
        byGroup.push_back({flows.names[i], amount, same ? source.accounts[i].group : -1});
    }
    const std::vector<std::string> kindNames(kKindNames.begin(), kKindNames.end());
    const std::vector<std::string> groupNames(source.groupNames.begin(), source.groupNames.end());
    const std::string head =
        std::string(row.incoming ? "Accounts\tIncoming\n" : "Accounts\tOutgoing\n") + kSelectedRule;

    PageLayout layout;
    layout.endMarker = "";
    PageWriter writer(target.workDir, target.dialogs, layout);
    writer.startSection(head);
    writer.addUncounted(
        blocks(byKind, kAccountKindCount, "%s\t%s\n", "\tSub Total -- %s Accounts\t", kindNames));
    writer.startSection(head);
    writer.addUncounted(
        blocks(byGroup, kGroupCount, "%s\t%s\t\n", "\tSub Total -- %s Group\t", groupNames));
    return writer.finish();
}

} // namespace finplan
