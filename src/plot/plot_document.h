#pragma once

#include "graphs/plot_input.h"

#include <QString>

#include <optional>

namespace finplan::plot {

// A file the plot program was given, read whole, or the message that says why it could not be.
struct LoadedPlot {
    PlotInput input;
    std::optional<QString> error; // "<file>, line <n>: <what>" or "Cannot read <file>"

    const ScenarioPlot* scenario() const { return std::get_if<ScenarioPlot>(&input); }
    const SeriesPlot* series() const { return std::get_if<SeriesPlot>(&input); }
};

LoadedPlot loadPlotFile(const QString& path);

// The name a scenario goes by in a comparison and in a window title: the file's name.
QString plotDisplayName(const QString& path);

} // namespace finplan::plot
