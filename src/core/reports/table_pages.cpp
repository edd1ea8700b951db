#include "reports/table_pages.h"

#include "reports/report_lines.h"
#include "results/fixed_text.h"

namespace finplan {

namespace {

constexpr int kTablePageLength = 60;
constexpr int kTableStart = 4;
constexpr std::size_t kMaxRowNumbers = 10;
constexpr int kMaxBudgetItems = 30;
constexpr int kMaxBudgetAge = 119;
constexpr std::size_t kBudgetSection = 8;
constexpr const char* kTableRule = "-----------------------\n";

PageLayout tableLayout(const char* marker) {
    PageLayout layout;
    layout.pageLength = kTablePageLength;
    layout.firstStart = kTableStart;
    layout.laterStart = kTableStart;
    layout.endMarker = marker;
    layout.firstFailure = "Cannot temporary print file - rpage";
    layout.laterFailure = "Cannot open file rpage%d.";
    return layout;
}

// The mortgage and refinance tables: the titles, then rows of up to ten numbers; on the
// refinance table the first number says which course the row follows.
PagesWritten loanTable(std::string_view text, bool refinance, const ReportTarget& target) {
    const std::vector<std::string_view> lines = linesBeforeEnd(text);
    if (lines.size() < 2) {
        return {};
    }
    std::string head;
    std::size_t titles = 0;
    for (const std::string_view title : splitTabs(lines.front())) {
        if (!trimmed(title).empty() && titles++ < kMaxRowNumbers) {
            head += std::string(title) + "\t";
        }
    }
    PageWriter writer(target.workDir, target.dialogs, tableLayout("Dooone\n"));
    writer.startSection(head + "\n" + kTableRule);
    for (std::size_t r = 1; r < lines.size(); ++r) {
        std::string row;
        std::size_t numbers = 0;
        for (const std::string_view piece : splitTabs(lines[r])) {
            if (trimmed(piece).empty() || numbers == kMaxRowNumbers) {
                continue;
            }
            appendFixed(row, leadingFloat(piece), 2, 13);
            if (refinance && numbers == 0) {
                row += (r - 1) % 2 == 0 ? " O" : " R";
            }
            row += '\t';
            ++numbers;
        }
        if (numbers > 0) {
            writer.addRow(row + "\n");
        }
    }
    return writer.finish();
}

struct BudgetItem {
    std::string name;
    float yearly = 0.0f;
};

PagesWritten budgetTable(std::string_view text, const ReportTarget& target) {
    const std::vector<std::string_view> lines = linesBeforeEnd(text);
    if (lines.size() < 4) {
        return {};
    }
    const int count = leadingInt(lines[0]);
    if (count < 1 || count > kMaxBudgetItems) {
        return {};
    }
    const int startAge = std::max(0, leadingInt(lines[2]));
    const int endAge = std::min(kMaxBudgetAge, leadingInt(lines[3]));
    std::vector<BudgetItem> items;
    for (std::size_t i = 4; i < lines.size() && items.size() < static_cast<std::size_t>(count);
         ++i) {
        const std::vector<std::string_view> fields = splitTabs(lines[i]);
        const float amount = fields.size() > 1 ? leadingFloat(fields[1]) : 0.0f;
        const bool monthly = fields.size() > 2 && leadingInt(fields[2]) != 0;
        items.push_back({std::string(fields[0]), monthly ? 12.0f * amount : amount});
    }
    if (items.empty()) {
        return {};
    }
    float total = 0.0f;
    for (const BudgetItem& item : items) {
        total += item.yearly;
    }
    PageWriter writer(target.workDir, target.dialogs, tableLayout("Dooone\n"));
    for (std::size_t first = 0; first < items.size(); first += kBudgetSection) {
        const std::size_t last = std::min(items.size(), first + kBudgetSection);
        const bool lastSection = last == items.size();
        std::string head = "Age\t";
        for (std::size_t i = first; i < last; ++i) {
            head += items[i].name + "\t";
        }
        writer.startSection(head + (lastSection ? "Total\t" : "") + "\n" + kTableRule);
        for (int age = startAge; age <= endAge; ++age) {
            std::string row;
            appendFixed(row, static_cast<float>(age), 1, 5);
            row += '\t';
            for (std::size_t i = first; i < last; ++i) {
                appendFixed(row, items[i].yearly, 2, 13);
                row += '\t';
            }
            if (lastSection) {
                appendFixed(row, total, 2, 13);
                row += '\t';
            }
            writer.addRow(row + "\n");
        }
    }
    return writer.finish();
}

// The budget dialog's item list is one page already: its lines as they are.
PagesWritten budgetSheet(std::string_view text, const ReportTarget& target) {
    const std::vector<std::string_view> lines = linesBeforeEnd(text);
    if (lines.empty()) {
        return {};
    }
    PageWriter writer(target.workDir, target.dialogs, tableLayout("Dooone"));
    writer.startSection("");
    for (const std::string_view line : lines) {
        writer.addUncounted(std::string(line) + "\n");
    }
    return writer.finish();
}

const char* tableFile(TableKind kind) {
    switch (kind) {
    case TableKind::Budget:
        return "pbudout.tmp";
    case TableKind::Mortgage:
        return "psched.tmp";
    case TableKind::BudgetSheet:
        return "rpage1";
    case TableKind::Refinance:
        break;
    }
    return "refprt.tmp";
}

} // namespace

PagesWritten writeTablePages(TableKind kind, std::string_view text, const ReportTarget& target) {
    switch (kind) {
    case TableKind::Budget:
        return budgetTable(text, target);
    case TableKind::Mortgage:
        return loanTable(text, false, target);
    case TableKind::BudgetSheet:
        return budgetSheet(text, target);
    case TableKind::Refinance:
        break;
    }
    return loanTable(text, true, target);
}

PagesWritten writeTablePagesFromFile(TableKind kind, const ReportTarget& target) {
    const auto text = readReportFile(target.workDir / tableFile(kind));
    if (!text) {
        target.dialogs.error(std::string("Cannot open temporary print file - ") + tableFile(kind),
                             "FILE OPEN ERROR");
        PagesWritten failed;
        failed.failed = true;
        return failed;
    }
    return writeTablePages(kind, *text, target);
}

} // namespace finplan
