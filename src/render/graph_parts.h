#pragma once

#include "graphs/graph_kind.h"
#include "graphs/graph_view.h"
#include "graphs/summary_panel.h"
#include "render/graph_canvas.h"
#include "render/graph_drawing.h"
#include "render/graph_source.h"

namespace finplan::render {

// One graph to draw: where, in which arrangement, and which quadrant's plot geometry it
// writes back into the view (none on paper, where no click can reach it).
struct GraphPlace {
    FrameRect frame;
    PlotPlacement placement = PlotPlacement::Single;
    std::optional<int> quadrant;
    // The printed four-graph page writes each graph's title one line above its bottom.
    bool printedPass = false;
};

// A time-series graph: axis, grid, labels, legend and series in the view's style.
void drawTimeSeries(GraphCanvas& canvas, GraphView& view, const GraphScene& scene, GraphKind kind,
                    const GraphPlace& place);

// The breakdown chart of the selected year for the graph it was opened from.
PieGeometry drawBreakdown(GraphCanvas& canvas, const GraphView& view, const GraphScene& scene,
                          GraphKind source, const GraphPlace& place);

// The summary panel of the four-graph view for the selected year.
void drawSummaryPanel(GraphCanvas& canvas, const GraphScene& scene, int yearIndex,
                      const FrameRect& frame, SummaryBlockKind block);

// The three caption lines under a single graph: centred, or left-aligned under a breakdown.
void drawCaptions(GraphCanvas& canvas, const GraphScene& scene, const FrameRect& frame,
                  bool leftAligned);

} // namespace finplan::render
