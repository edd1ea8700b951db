#pragma once

#include "plot/plot_arguments.h"

#include <iosfwd>

namespace finplan::plot {

// Exit codes, as the command-line program has them.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitUnreadable = 2;
inline constexpr int kExitUnwritable = 3;

// --grab: the window the arguments ask for, drawn offscreen at the given size into the PNG.
// A file that cannot be read is told on `errors` and gives kExitUnreadable.
int grabPlotWindow(const PlotArguments& arguments, std::ostream& errors);

// Opens the windows the arguments ask for (an application object must exist) and runs until
// the last one is closed.
int runPlotWindows(const PlotArguments& arguments, std::ostream& errors);

} // namespace finplan::plot
