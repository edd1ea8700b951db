#pragma once

#include "graphs/plot_input.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// The totals a comparison can follow: the numbered result fields 1 (investment) to 19, named
// as the graphs' legends name them.
inline constexpr int kFirstComparedField = 1;
inline constexpr int kLastComparedField = kYearResultFields - 1;
inline constexpr int kNetWorthField = 6;

std::string_view comparedFieldName(int field);

// One whole age: each scenario's value of the total there (none where it has no such year).
struct ComparisonRow {
    int age = 0;
    std::vector<std::optional<float>> values;

    // The scenario's value less the first scenario's; none unless both exist.
    std::optional<float> difference(std::size_t scenario) const;
};

// Several scenarios' plots laid over each other by age, the ages in rising order.
struct Comparison {
    int field = kNetWorthField;
    std::vector<std::string> names;
    std::vector<ComparisonRow> rows;
};

struct NamedPlot {
    std::string name;
    const ScenarioPlot* plot = nullptr;
};

Comparison compareScenarios(const std::vector<NamedPlot>& plots, int field);

// The comparison as comma-separated text: "Age", then per scenario its value and, from the
// second on, its difference to the first; amounts with two decimals, a missing one empty.
std::string comparisonCsv(const Comparison& comparison);

} // namespace finplan
