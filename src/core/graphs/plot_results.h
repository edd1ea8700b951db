#pragma once

#include "graphs/plot_input.h"
#include "model/scenario.h"
#include "results/run_output.h"

namespace finplan {

// A plot file's scenario as the graphs read a run: the accounts with their names and groups,
// the group names, the first and last age, and the result tables of the plotted years. The
// graphs then draw it exactly as they draw the last run.
struct PlotResults {
    Scenario scenario;
    RunOutput output;
};

void fillPlotResults(const ScenarioPlot& plot, PlotResults& results);

} // namespace finplan
