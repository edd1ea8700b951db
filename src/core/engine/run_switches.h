#pragma once

#include "results/plot_file.h"

namespace finplan {

// The switches a caller sets for a run.
struct RunSwitches {
    bool detailedResults = false; // "Show detailed results"; also shows the rate details
    bool accountSummary = false;  // "Show accounts": the end-of-year account balances
    bool summary = false;         // the summary block without the other details
    bool randomAccountRates = false;
    bool randomGroupRates = false;
    // A saving run leaves out the paragraph mark.
    bool saveRunInProgress = false;
    // The graph's zoom: only the zoomed years go into the plot file.
    PlotZoom plotZoom;
};

} // namespace finplan
