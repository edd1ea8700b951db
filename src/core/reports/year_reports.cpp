#include "reports/year_reports.h"

#include "results/fixed_text.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace finplan {

namespace {

constexpr std::size_t kAccountSection = 10;
constexpr int kAccountsStart = 6;
constexpr int kGroupsStart = 7;

struct YearColumns {
    std::vector<std::string_view> titles;
    int headerLines;
};

YearColumns yearColumns(YearReport kind) {
    switch (kind) {
    case YearReport::NetWorth:
        return {{" Age", "Net Worth", "Investment Accounts", "Tax-Free Accounts",
                 "Retirement Accounts", "Asset Accounts", "Equity Accounts", "Liabilities"},
                4};
    case YearReport::Incoming:
        return {{" Age", "Total Incoming", "Deposits", "Interest From Taxable",
                 "Interest From Non Taxable", "Loans", "Assets", "Equity"},
                3};
    case YearReport::Outgoing:
        break;
    }
    return {{" Age", " Total Outgoing", "Withdrawals", "Interest", "Loan/Mortgage", "Taxes",
             "Penalties"},
            3};
}

float liabilitiesAt(const ResultTables& tables, float age) {
    const float whole = std::floor(age);
    if (!(whole >= 0.0f && whole < static_cast<float>(kAgeSlots))) {
        return 0.0f;
    }
    return tables.ageTotal(AgeTotal::Liabilities, static_cast<int>(whole));
}

std::vector<float> yearValues(YearReport kind, const ResultTables& tables, const YearResult& y) {
    switch (kind) {
    case YearReport::NetWorth:
        return {y.netWorth,
                y.investment,
                y.taxFree,
                y.retirement,
                y.assetAccounts,
                y.equity,
                liabilitiesAt(tables, y.age)};
    case YearReport::Incoming:
        return {y.incoming, y.deposits,     y.taxableIncome, y.nonTaxableIncome,
                y.loans,    y.appreciation, y.sales};
    case YearReport::Outgoing:
        break;
    }
    return {y.outgoing, y.withdrawals, y.interestPaid, y.depreciationAndCosts,
            y.taxes,    y.penalties};
}

// The years the reports list: all shown years of the run but its final one.
int listedYears(const ResultTables& tables) {
    const int shown = std::min(tables.shownYears, kMaxShownYears);
    return shown > 1 ? shown - 1 : 0;
}

PageLayout yearLayout(const ReportTarget& target, int start) {
    PageLayout layout;
    layout.pageLength = target.screen ? kScreenPageLength : kPrintPageLength;
    layout.firstStart = start;
    layout.laterStart = start;
    layout.endMarker = "Dooooone";
    layout.screen = target.screen;
    return layout;
}

std::string withRule(std::string header, const ReportTarget& target) {
    return target.screen ? header : header + kPrintRule;
}

// Rows of an age and one number per column: "%5.1f\t" then "%13.2f\t" each; the yearly
// reports end their last number with the newline alone.
std::string columnRow(float age, std::span<const float> values, bool lastTab = true) {
    std::string row;
    appendFixed(row, age, 1, 5);
    for (const float value : values) {
        row += '\t';
        appendFixed(row, value, 2, 13);
    }
    if (lastTab) {
        row += '\t';
    }
    row += '\n';
    return row;
}

PagesWritten writeColumnReport(const ReportSource& source, const ReportTarget& target, int start,
                               const std::vector<std::string>& titles,
                               const std::vector<std::vector<int>>& columns,
                               std::size_t sectionSize) {
    const int years = listedYears(source.tables);
    if (years == 0 || titles.empty()) {
        return {};
    }
    PageWriter writer(target.workDir, target.dialogs, yearLayout(target, start));
    const std::size_t section = target.screen ? titles.size() : sectionSize;
    for (std::size_t first = 0; first < titles.size(); first += section) {
        const std::size_t last = std::min(titles.size(), first + section);
        std::string header = " Age\t";
        for (std::size_t c = first; c < last; ++c) {
            header += titles[c] + "\t";
        }
        writer.startSection(withRule(header + "\n", target));
        for (int y = 0; y < years; ++y) {
            const auto& row = source.tables.accountValues[static_cast<std::size_t>(y)];
            std::vector<float> values;
            for (std::size_t c = first; c < last; ++c) {
                // Single precision, in column order, as the graphs add them.
                float sum = 0.0f;
                for (const int position : columns[c]) {
                    sum += row[static_cast<std::size_t>(position)];
                }
                values.push_back(sum);
            }
            writer.addRow(columnRow(source.tables.years[static_cast<std::size_t>(y)].age, values));
        }
    }
    return writer.finish();
}

} // namespace

PagesWritten writeYearReport(YearReport kind, const ReportSource& source,
                             const ReportTarget& target) {
    const int years = listedYears(source.tables);
    if (years == 0) {
        return {};
    }
    const YearColumns columns = yearColumns(kind);
    std::string header;
    for (std::size_t i = 0; i < columns.titles.size(); ++i) {
        header += (i == 0 ? "" : "\t") + std::string(columns.titles[i]);
    }
    PageWriter writer(target.workDir, target.dialogs, yearLayout(target, 4 + columns.headerLines));
    writer.startSection(withRule(header + "\n", target));
    for (int y = 0; y < years; ++y) {
        const YearResult& year = source.tables.years[static_cast<std::size_t>(y)];
        writer.addRow(columnRow(year.age, yearValues(kind, source.tables, year), false));
    }
    return writer.finish();
}

PagesWritten writeAccountsReport(const ReportSource& source, const ReportTarget& target) {
    std::vector<std::string> titles;
    std::vector<std::vector<int>> columns;
    const std::size_t count = std::min<std::size_t>(source.accounts.size(), kMaxAccounts);
    for (std::size_t i = 0; i < count; ++i) {
        titles.push_back(source.accounts[i].name);
        columns.push_back({static_cast<int>(i)});
    }
    return writeColumnReport(source, target, kAccountsStart, titles, columns, kAccountSection);
}

std::vector<int> listedGroups(const ReportSource& source) {
    std::vector<int> groups;
    for (int g = 0; g < kGroupCount; ++g) {
        if (source.groupNames[static_cast<std::size_t>(g)].size() > 1) {
            groups.push_back(g);
        }
    }
    return groups;
}

PagesWritten writeGroupReport(const ReportSource& source, const ReportTarget& target) {
    std::vector<std::string> titles;
    std::vector<std::vector<int>> columns;
    const std::size_t count = std::min<std::size_t>(source.accounts.size(), kMaxAccounts);
    for (const int g : listedGroups(source)) {
        titles.push_back(source.groupNames[static_cast<std::size_t>(g)]);
        std::vector<int> members;
        for (std::size_t i = 0; i < count; ++i) {
            if (source.accounts[i].group == g) {
                members.push_back(static_cast<int>(i));
            }
        }
        columns.push_back(std::move(members));
    }
    return writeColumnReport(source, target, kGroupsStart, titles, columns, titles.size() + 1);
}

} // namespace finplan
