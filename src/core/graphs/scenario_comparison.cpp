#include "graphs/scenario_comparison.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <map>

namespace finplan {

namespace {

constexpr std::array<std::string_view, kYearResultFields> kFieldNames = {"Age",
                                                                         "Investment Accounts",
                                                                         "Tax-free Accounts",
                                                                         "Retirement Accounts",
                                                                         "Asset Accounts",
                                                                         "Equity",
                                                                         "Net Worth",
                                                                         "Total Incoming",
                                                                         "Deposits",
                                                                         "Taxable Income",
                                                                         "Non Taxable Income",
                                                                         "Total Outgoing",
                                                                         "Withdrawals",
                                                                         "Taxes Paid",
                                                                         "Interest Paid",
                                                                         "Penalties Paid",
                                                                         "Loans",
                                                                         "Income from Equity",
                                                                         "Income from Assets",
                                                                         "Other/Loan/Mortgage"};

std::string amount(std::optional<float> value) {
    if (!value) {
        return {};
    }
    std::array<char, 48> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.2f", static_cast<double>(*value));
    return buffer.data();
}

// A CSV field: quoted when it holds a comma, a quote or a line break.
std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

} // namespace

std::string_view comparedFieldName(int field) {
    if (field < kFirstComparedField || field > kLastComparedField) {
        return {};
    }
    return kFieldNames[static_cast<std::size_t>(field)];
}

std::optional<float> ComparisonRow::difference(std::size_t scenario) const {
    if (scenario >= values.size() || !values[scenario] || !values.front()) {
        return std::nullopt;
    }
    return *values[scenario] - *values.front();
}

Comparison compareScenarios(const std::vector<NamedPlot>& plots, int field) {
    Comparison comparison;
    comparison.field = field;
    const bool known = field >= kFirstComparedField && field <= kLastComparedField;
    std::map<int, ComparisonRow> byAge;
    for (std::size_t s = 0; s < plots.size(); ++s) {
        comparison.names.push_back(plots[s].name);
        if (plots[s].plot == nullptr || !known) {
            continue;
        }
        for (const PlotYear& year : plots[s].plot->years) {
            // A fractional first age (the birth date) belongs to its whole year.
            const int age = static_cast<int>(std::trunc(year.fields[0]));
            ComparisonRow& row = byAge[age];
            row.age = age;
            row.values.resize(plots.size());
            row.values[s] = year.fields[static_cast<std::size_t>(field)];
        }
    }
    for (auto& [age, row] : byAge) {
        comparison.rows.push_back(std::move(row));
    }
    return comparison;
}

std::string comparisonCsv(const Comparison& comparison) {
    std::string text = "Age";
    const std::size_t count = comparison.names.size();
    for (std::size_t s = 0; s < count; ++s) {
        text += "," + csvField(comparison.names[s]);
        if (s > 0) {
            text += "," + csvField(comparison.names[s] + " - " + comparison.names[0]);
        }
    }
    text += "\n";
    for (const ComparisonRow& row : comparison.rows) {
        text += std::to_string(row.age);
        for (std::size_t s = 0; s < count; ++s) {
            text += "," + amount(s < row.values.size() ? row.values[s] : std::nullopt);
            if (s > 0) {
                text += "," + amount(row.difference(s));
            }
        }
        text += "\n";
    }
    return text;
}

} // namespace finplan
