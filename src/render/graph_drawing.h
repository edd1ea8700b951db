#pragma once

#include "graphs/breakdown.h"
#include "graphs/graph_view.h"
#include "graphs/summary_panel.h"
#include "render/graph_source.h"
#include "render/plot_layout.h"

#include <QFont>
#include <QMargins>
#include <QRect>

#include <array>
#include <optional>
#include <vector>

class QPainter;

namespace finplan::render {

// Where a drawing put a breakdown chart: the pie and the legend rows, for the clicks that
// ask which slice lies under them.
struct PieGeometry {
    Breakdown chart;
    int centreX = 0;
    int centreY = 0;
    int radius = 0;
    bool pieDrawn = false;
    // One rectangle per slice, on the legend row that names it.
    std::vector<QRect> legendRows;
};

// What a screen drawing leaves behind besides the plot geometry it writes into the view:
// each place's frame (0 the single graph, 1..4 the four-graph quadrants) and the breakdown
// charts it drew.
struct DrawnGraph {
    std::array<FrameRect, GraphView::kQuadrants> frames{};
    std::array<std::optional<PieGeometry>, GraphView::kQuadrants> pies{};
    // The block the summary panel showed, in the four-graph view.
    std::optional<SummaryBlockKind> summary;
};

struct ScreenGraphOptions {
    QFont font;
    // The four-graph quadrant under the mouse cursor: the summary panel shows its block.
    int cursorQuadrant = 0;
};

// The graph area on screen (or on an image standing for it): the window background, then
// the single graph or the four-graph view the view is set to, inside `client`.
DrawnGraph drawScreenGraph(QPainter& painter, const QRect& client, GraphView& view,
                           const GraphScene& scene, const ScreenGraphOptions& options);

// The four quadrants of the four-graph view in a client area of the given size.
std::array<FrameRect, 4> fourGraphQuadrants(int width, int height);

// A printed page: the single graph (landscape-shaped at the top of a portrait page, the
// whole of a landscape page) or the four-graph page with "Summary" and the captions. `page`
// is the device's whole page and `margins` are in device units.
void drawPrintedGraph(QPainter& painter, const QRect& page, const QMargins& margins,
                      GraphView& view, const GraphScene& scene, const QFont& font);

// The frame of the single printed graph and of the four printed passes (net worth,
// incoming/outgoing, outgoing, incoming) with the bottom strip that carries the captions.
FrameRect printedGraphFrame(const QRect& page, const QMargins& margins);
std::array<FrameRect, 4> printedFourGraphFrames(const QRect& page, const QMargins& margins,
                                                int lineHeight);

} // namespace finplan::render
