#include "graphs/summary_panel.h"

#include "graphs/series_colors.h"
#include "results/money_text.h"
#include "results/text_format.h"

#include <climits>
#include <cmath>
#include <cstddef>

namespace finplan {

namespace {

struct Item {
    const char* label;
    float value;
};

SummaryRow row(std::string label, float value, int labelColor) {
    return {std::move(label), value, dollarText(value), labelColor,
            value < 0.0f ? kNegativeColor : kInkColor};
}

// Items are labelled in the colours their series have in the graphs (the first part after
// each graph's total series); the sum closes the block in the totals colour.
SummaryBlock block(std::string heading, std::initializer_list<Item> items, std::string totalLabel) {
    SummaryBlock result{std::move(heading), {}};
    float sum = 0.0f;
    int color = 2;
    for (const Item& item : items) {
        result.rows.push_back(row(item.label, item.value, color++));
        sum = sum + item.value;
    }
    result.rows.push_back(row(std::move(totalLabel), sum, kTotalsColor));
    return result;
}

float ageTotal(const ResultTables& tables, AgeTotal which, int age) {
    return age >= 0 && age < kAgeSlots ? tables.ageTotal(which, age) : 0.0f;
}

} // namespace

long roundDollars(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    // 2^63 as a float; every float below it converts to a long exactly.
    constexpr float kLongLimit = 9223372036854775808.0f;
    if (value >= kLongLimit) {
        return LONG_MAX;
    }
    if (value < -kLongLimit) {
        return LONG_MIN;
    }
    const long whole = static_cast<long>(std::trunc(value));
    // Compared in double: above 2^24 a float cannot hold the half and would round every
    // amount up by a dollar.
    return static_cast<double>(whole) + 0.5 <= static_cast<double>(value) ? whole + 1 : whole;
}

std::string dollarText(float value) {
    std::string text = formatText("%ld", roundDollars(value));
    insertThousands(text, false);
    return text;
}

SummaryBlockKind summaryBlockFor(int quadrant) {
    switch (quadrant) {
    case 2:
        return SummaryBlockKind::Incoming;
    case 3:
        return SummaryBlockKind::Outgoing;
    default:
        return SummaryBlockKind::NetWorth;
    }
}

SummaryBlock summaryBlock(SummaryBlockKind kind, const ResultTables& tables, int yearIndex) {
    const YearResult year = yearIndex >= 0 && yearIndex < kMaxShownYears
                                ? tables.years[static_cast<std::size_t>(yearIndex)]
                                : YearResult{};
    switch (kind) {
    case SummaryBlockKind::Incoming:
        return block("Incoming",
                     {{"Deposits", year.deposits},
                      {"Taxable Income", year.taxableIncome},
                      {"Non-Taxable Income", year.nonTaxableIncome},
                      {"Loans", year.loans},
                      {"Income From Assets", year.appreciation},
                      {"Income From Equity", year.sales}},
                     "Total Incoming");
    case SummaryBlockKind::Outgoing:
        return block("Outgoing",
                     {{"Withdrawals", year.withdrawals},
                      {"Interest Paid", year.interestPaid},
                      {"Other", year.depreciationAndCosts},
                      {"Taxes", year.taxes},
                      {"Penalties", year.penalties}},
                     "Total Outgoing");
    case SummaryBlockKind::NetWorth:
        break;
    }
    const float ageValue = std::trunc(year.age);
    const int age = std::fabs(ageValue) < 1.0e6f ? static_cast<int>(ageValue) : -1;
    return block("Net Worth",
                 {{"Investment Savings", ageTotal(tables, AgeTotal::Investment, age)},
                  {"Tax Free Savings", ageTotal(tables, AgeTotal::TaxFree, age)},
                  {"Retirement Savings", ageTotal(tables, AgeTotal::Retirement, age)},
                  {"Assets", ageTotal(tables, AgeTotal::Asset, age) -
                                 ageTotal(tables, AgeTotal::Liabilities, age)},
                  {"Equity", ageTotal(tables, AgeTotal::Equity, age)}},
                 formatText("Age %d Net Worth", age));
}

} // namespace finplan
