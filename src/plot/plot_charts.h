#pragma once

#include "graphs/plot_input.h"
#include "graphs/scenario_comparison.h"
#include "plot/series_chart.h"

namespace finplan::plot {

// The chart of a calculator's plot: the refinance courses by month, the trade-off options by
// period.
SeriesChart seriesChart(const SeriesPlot& plot);

// One line per scenario of the comparison, by age.
SeriesChart comparisonChart(const Comparison& comparison);

} // namespace finplan::plot
