#pragma once

#include "graphs/axis_scale.h"
#include "graphs/graph_kind.h"
#include "graphs/plot_geometry.h"
#include "results/plot_file.h"

#include <array>
#include <optional>
#include <string>

namespace finplan {

enum class GraphStyle { Lines, FlatBars, Bars3D };
enum class LegendMode { BeforeSeries, AfterSeries, Hidden };

// What a shift + left click did to the zoom marks.
enum class ZoomMark {
    Ignored,      // neither lines nor the incoming/outgoing graph: no zoom marking
    FirstCorner,  // draw guide lines from the point to both axes
    SecondCorner, // outline the rectangle between the two points
    Cleared,      // both marks are gone
};

// A point inside a drawn plot: the quadrant whose plot holds it (0 for the single graph),
// the year of its column and the value at its height.
struct PlotPoint {
    int quadrant = 0;
    int column = 0;
    float value = 0.0f;
};

struct CursorPosition {
    int x = 0;
    int y = 0;
};

// The state of the graph area: which graph, in which style, over which years, which year is
// selected, where the legend goes, and where the last drawing put each plot. Mouse and key
// input arrive as operations; each says whether the area needs a redraw. While busy (a run
// or a print going on) every input is ignored. Clicks on the breakdown chart find their
// slice with `sliceAt` and change no state.
class GraphView {
public:
    static constexpr int kQuadrants = 5; // 0 the single graph, 1..4 the four-graph view

    // --- read by the drawing
    GraphKind kind() const { return m_kind; }
    GraphKind previousKind() const { return m_previousKind; }
    int styleCounter() const { return m_style; }
    GraphStyle style() const;
    bool drawsLines() const { return m_lines; }
    bool zoomed() const { return m_zoomed; }
    int zoomFirstAge() const { return m_zoomFirstAge; }
    int zoomLastAge() const { return m_zoomLastAge; }
    float zoomTop() const { return m_zoomTop; }
    int startIndex() const { return m_startIndex; }
    float visibleYears() const { return m_yearCount; }
    int visibleYearCount() const { return static_cast<int>(m_yearCount); }
    int selectedYear() const { return m_selectedYear; }
    LegendMode legend() const { return m_legend; }
    bool fourGraphView() const { return m_fourGraph; }
    int quadrantPass() const { return m_quadrantPass; }
    int printPass() const { return m_printPass; }
    bool printing() const { return m_printing; }
    const PlotGeometry& geometry(int quadrant) const;

    // The graph a four-graph quadrant draws: its own (1 net worth, 2 incoming, 3 outgoing)
    // or the breakdown opened from it. Quadrant 0 is the single graph.
    GraphKind kindIn(int quadrant) const;

    // The value axis for a graph whose visible values span `range`.
    AxisScale axis(const ValueRange& range) const;

    // The zoom the next run writes into the plot file.
    PlotZoom plotZoom() const { return {m_zoomed, m_zoomFirstAge, m_zoomLastAge}; }

    // --- set by the window that shows the graphs and by the drawing
    void showGraph(GraphKind kind);
    // Lines style, and the net worth graph to come back to from a breakdown.
    void enterFourGraphView();
    void setBusy(bool busy) { m_busy = busy; }
    // Called before each drawing with the last year index of the results; an unzoomed view
    // shows them all (at least one column, so that no column width is ever zero).
    void beginDrawing(int lastYearIndex);
    void setQuadrantPass(int pass) { m_quadrantPass = pass; }
    void setPrintPass(int pass) { m_printPass = pass; }
    void setPrinting(bool printing) { m_printing = printing; }
    void setGeometry(int quadrant, const PlotGeometry& plot);

    // --- input
    // The plot under a point, if any; plots of quadrants showing a breakdown do not count.
    std::optional<PlotPoint> plotPointAt(int x, int y) const;

    // Right double-click: the next style; the 3-D style drops the zoom; fewer than three
    // visible years always draw lines.
    bool nextStyle();

    // Left double-click at a point (none when outside every plot): opens the breakdown of
    // the year under the point, or goes back to the graph it came from.
    bool toggleBreakdown(const std::optional<PlotPoint>& point);

    // Shift + left click at a column of the given whole age, with the value at the cursor.
    ZoomMark markZoom(int age, float value);

    // Shift + right click: zooms to the marked ages. startAge is the whole age of year index
    // 0, endAge the scenario's end age. A range under two years, past the end age or before
    // the start age is dropped with both marks; the view stays unzoomed then.
    bool applyZoom(int startAge, float endAge);

    // Left click inside a plot: selects its year and gives the value readout text.
    std::optional<std::string> selectAt(const PlotPoint& point);

    // Key "L": legend before the series <-> after them; a hidden legend comes back before.
    bool toggleLegend();
    // Key "N": no legend.
    bool hideLegend();

    // Arrow keys in the four-graph view: where the cursor goes, one column to the left
    // (direction -1) or right (+1) in its plot, or onto the same place of the plot beside
    // it; the year there becomes the selected year.
    std::optional<CursorPosition> moveByColumn(int x, int y, int direction);

private:
    void unzoom();
    void clearZoomMarks();
    bool singleGraphInput() const;

    GraphKind m_kind = GraphKind::NetWorth;
    GraphKind m_previousKind = GraphKind::NetWorth;
    int m_style = -1;
    bool m_lines = true;
    bool m_zoomed = false;
    int m_zoomFirstAge = 0;
    int m_zoomLastAge = 0;
    float m_zoomTop = 0.0f;
    int m_startIndex = 0;
    float m_yearCount = 1.0f;
    int m_lastYearIndex = 0;
    int m_selectedYear = 0;
    LegendMode m_legend = LegendMode::BeforeSeries;
    bool m_fourGraph = false;
    int m_quadrantPass = 0;
    int m_printPass = 0;
    bool m_printing = false;
    bool m_busy = false;
    std::array<PlotGeometry, kQuadrants> m_geometry{};
};

} // namespace finplan
