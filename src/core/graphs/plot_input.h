#pragma once

#include "model/group_table.h"
#include "results/result_tables.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace finplan {

// One plotted year of a scenario: each account's opening balance, then the age, the six
// opening totals and the thirteen flows in the order of the result fields.
struct PlotYear {
    std::vector<float> balances;
    std::array<float, kYearResultFields> fields{};
};

// A scenario's results as the run's plot file or a saved graph file holds them.
struct ScenarioPlot {
    int graphKind = 1;
    std::array<std::string, 3> captions;
    std::vector<std::string> accountNames;
    std::vector<PlotYear> years;
    std::array<std::string, kGroupCount> groupNames;
    // Each account's group; all 0 when a graph file ended inside its years.
    std::vector<int> accountGroups;
};

// The calculators' plots: the refinance comparison by month, the trade-off options by period.
enum class SeriesKind { Refinance, TradeOff };

struct SeriesPoint {
    float x = 0.0f;
    std::vector<float> values; // one per series
};

struct SeriesPlot {
    SeriesKind kind = SeriesKind::Refinance;
    float axisLength = 0.0f; // the x axis the file asks for (months or points)
    std::vector<std::string> names;
    std::vector<SeriesPoint> points;
};

// Where a file stopped making sense: its line (from 1) and what was wrong there.
struct PlotReadError {
    int line = 0;
    std::string message;
};

using PlotInput = std::variant<ScenarioPlot, SeriesPlot, PlotReadError>;

// Reads any of the files the plot program is given and tells them apart by their content: the
// point lines of a scenario hold twenty numbers, those of a calculator plot one more than it
// has series; a trade-off plot ends with "Done", a refinance plot just ends. Values must be
// finite and below 1e12 in size, so that no drawing has to guard against them.
PlotInput readPlotInput(std::string_view text);

} // namespace finplan
