#include "graphs/graph_kind.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

namespace finplan {

namespace {

struct FieldSeries {
    std::string_view label;
    int field;
};

constexpr std::array<FieldSeries, 6> kNetWorthSeries{{
    {"Net Worth", 6},
    {"Investment Accounts", 1},
    {"Tax-free Accounts", 2},
    {"Retirement Accounts", 3},
    {"Asset Accounts", 4},
    {"Equity", 5},
}};

constexpr std::array<FieldSeries, 2> kIncomingOutgoingSeries{{
    {"Incoming", 7},
    {"Outgoing", 11},
}};

constexpr std::array<FieldSeries, 7> kIncomingSeries{{
    {"Total Incoming", 7},
    {"Deposits", 8},
    {"Taxable Income", 9},
    {"Non Taxable Income", 10},
    {"Loans", 16},
    {"Assets", 18},
    {"Equity", 17},
}};

constexpr std::array<FieldSeries, 6> kOutgoingSeries{{
    {"Total Outgoing", 11},
    {"Withdrawals", 12},
    {"Interest Paid", 14},
    {"Other/Loan/Mortgage", 19},
    {"Taxes Paid", 13},
    {"Penalties Paid", 15},
}};

std::span<const FieldSeries> fieldSeries(GraphKind kind) {
    switch (kind) {
    case GraphKind::NetWorth:
        return kNetWorthSeries;
    case GraphKind::IncomingOutgoing:
        return kIncomingOutgoingSeries;
    case GraphKind::Incoming:
        return kIncomingSeries;
    case GraphKind::Outgoing:
        return kOutgoingSeries;
    default:
        return {};
    }
}

bool inTables(int yearIndex) {
    return yearIndex >= 0 && yearIndex < kMaxShownYears;
}

} // namespace

std::optional<GraphKind> graphKindFromNumber(int number) {
    if (number < graphNumber(GraphKind::NetWorth) || number > graphNumber(GraphKind::Groups)) {
        return std::nullopt;
    }
    return static_cast<GraphKind>(number);
}

std::string_view graphTitle(GraphKind kind) {
    switch (kind) {
    case GraphKind::NetWorth:
        return "NET WORTH";
    case GraphKind::IncomingOutgoing:
        return "INCOMING / OUTGOING";
    case GraphKind::Incoming:
        return "INCOMING";
    case GraphKind::Outgoing:
        return "OUTGOING";
    case GraphKind::Accounts:
        return "ACCOUNTS";
    case GraphKind::Groups:
        return "GROUPS";
    case GraphKind::Breakdown:
        break;
    }
    return {};
}

std::vector<GraphSeries> graphSeries(GraphKind kind, const GraphRoster& roster, int firstAccount,
                                     int endAccount) {
    std::vector<GraphSeries> series;
    auto add = [&series](std::string label, SeriesSource::From from, int index) {
        const int color = static_cast<int>(series.size()) + 1;
        series.push_back({std::move(label), {from, index}, color});
    };
    if (kind == GraphKind::Accounts) {
        const int end = std::min(endAccount, static_cast<int>(roster.accounts.size()));
        for (int j = std::max(firstAccount, 0); j < end; ++j) {
            add(roster.accounts[static_cast<std::size_t>(j)].name, SeriesSource::From::Account, j);
        }
    } else if (kind == GraphKind::Groups) {
        for (const GraphGroup& group : roster.groups) {
            add(group.name, SeriesSource::From::Group, group.index);
        }
    } else {
        for (const FieldSeries& s : fieldSeries(kind)) {
            add(std::string(s.label), SeriesSource::From::Field, s.field);
        }
    }
    return series;
}

float seriesValue(const ResultTables& tables, const GraphRoster& roster, const SeriesSource& source,
                  int yearIndex) {
    if (!inTables(yearIndex)) {
        return 0.0f;
    }
    switch (source.from) {
    case SeriesSource::From::Field:
        if (source.index < 0 || source.index >= kYearResultFields) {
            return 0.0f;
        }
        return tables.years[static_cast<std::size_t>(yearIndex)]
            .fields()[static_cast<std::size_t>(source.index)];
    case SeriesSource::From::Account:
        return accountValue(tables, source.index, yearIndex);
    case SeriesSource::From::Group:
        return groupValue(tables, roster, source.index, yearIndex);
    }
    return 0.0f;
}

ValueRange seriesRange(const ResultTables& tables, const GraphRoster& roster,
                       const std::vector<GraphSeries>& series, int startIndex, int yearCount) {
    ValueRange range;
    // Years outside the tables are zeros, which the range holds already.
    const int first = std::max(startIndex, 0);
    const int end = std::min(startIndex + std::max(yearCount, 0), kMaxShownYears);
    for (const GraphSeries& s : series) {
        for (int year = first; year < end; ++year) {
            const float value = seriesValue(tables, roster, s.source, year);
            range.min = std::min(range.min, value);
            range.max = std::max(range.max, value);
        }
    }
    return range;
}

int drawnYearCount(GraphKind kind, int visibleYears) {
    const bool flowGraph = kind == GraphKind::IncomingOutgoing || kind == GraphKind::Incoming ||
                           kind == GraphKind::Outgoing;
    return flowGraph ? visibleYears - 1 : visibleYears;
}

} // namespace finplan
