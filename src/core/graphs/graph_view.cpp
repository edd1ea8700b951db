#include "graphs/graph_view.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace finplan {

namespace {

constexpr int kLastStyle = 2;

// The graph each plotting quadrant of the four-graph view draws.
GraphKind quadrantKind(int quadrant) {
    switch (quadrant) {
    case 2:
        return GraphKind::Incoming;
    case 3:
        return GraphKind::Outgoing;
    default:
        return GraphKind::NetWorth;
    }
}

// The plotting quadrant beside another on screen: 1 (top left) and 2 (top right) face each
// other; beside 3 (bottom right) lies only the summary panel, which has no plot.
int besideQuadrant(int quadrant, int direction) {
    if (quadrant == 1 && direction > 0) {
        return 2;
    }
    if (quadrant == 2 && direction < 0) {
        return 1;
    }
    return 0;
}

} // namespace

GraphStyle GraphView::style() const {
    switch (m_style) {
    case 1:
        return GraphStyle::FlatBars;
    case 2:
        return GraphStyle::Bars3D;
    default:
        return GraphStyle::Lines;
    }
}

const PlotGeometry& GraphView::geometry(int quadrant) const {
    return m_geometry[static_cast<std::size_t>(std::clamp(quadrant, 0, kQuadrants - 1))];
}

GraphKind GraphView::kindIn(int quadrant) const {
    if (quadrant < 1 || quadrant > 3) {
        return m_kind;
    }
    const GraphKind own = quadrantKind(quadrant);
    return m_kind == GraphKind::Breakdown && m_previousKind == own ? GraphKind::Breakdown : own;
}

AxisScale GraphView::axis(const ValueRange& range) const {
    return m_zoomed ? zoomScale(m_zoomTop) : autoScale(range.min, range.max);
}

void GraphView::showGraph(GraphKind kind) {
    m_kind = kind;
    m_fourGraph = false;
}

void GraphView::enterFourGraphView() {
    m_fourGraph = true;
    m_style = 0;
    m_lines = true;
    m_previousKind = GraphKind::NetWorth;
}

void GraphView::beginDrawing(int lastYearIndex) {
    m_lastYearIndex = std::max(lastYearIndex, 0);
    if (!m_zoomed) {
        m_yearCount = static_cast<float>(m_lastYearIndex + 1);
    }
}

void GraphView::setGeometry(int quadrant, const PlotGeometry& plot) {
    if (quadrant >= 0 && quadrant < kQuadrants) {
        m_geometry[static_cast<std::size_t>(quadrant)] = plot;
    }
}

std::optional<PlotPoint> GraphView::plotPointAt(int x, int y) const {
    const int first = m_fourGraph ? 1 : 0;
    const int last = m_fourGraph ? 3 : 0;
    for (int quadrant = first; quadrant <= last; ++quadrant) {
        const PlotGeometry& plot = geometry(quadrant);
        if (kindIn(quadrant) != GraphKind::Breakdown && plot.contains(x, y)) {
            return PlotPoint{quadrant, columnAt(plot, x, m_startIndex), valueAt(plot, y)};
        }
    }
    return std::nullopt;
}

void GraphView::unzoom() {
    m_zoomed = false;
    m_startIndex = 0;
    m_yearCount = static_cast<float>(m_lastYearIndex + 1);
    m_legend = LegendMode::BeforeSeries;
}

void GraphView::clearZoomMarks() {
    m_zoomFirstAge = 0;
    m_zoomLastAge = 0;
}

bool GraphView::nextStyle() {
    if (m_busy) {
        return false;
    }
    ++m_style;
    if (m_style == kLastStyle) {
        // The 3-D bars reach past the plot on the right, which a zoom's clipping would cut.
        unzoom();
        clearZoomMarks();
    }
    if (m_style > kLastStyle) {
        m_style = 0;
    }
    if (m_yearCount < 3.0f) {
        m_style = 0;
    }
    m_lines = m_style == 0;
    return true;
}

bool GraphView::toggleBreakdown(const std::optional<PlotPoint>& point) {
    if (m_busy) {
        return false;
    }
    if (m_kind != GraphKind::Breakdown && point) {
        m_previousKind = kindIn(point->quadrant);
        m_selectedYear = point->column;
        m_kind = GraphKind::Breakdown;
    } else {
        m_kind = m_previousKind;
    }
    return true;
}

ZoomMark GraphView::markZoom(int age, float value) {
    if (m_busy || !(m_lines || m_kind == GraphKind::IncomingOutgoing)) {
        return ZoomMark::Ignored;
    }
    if (m_zoomFirstAge == 0) {
        m_zoomFirstAge = age;
        m_zoomTop = value;
        return ZoomMark::FirstCorner;
    }
    if (m_zoomLastAge == 0) {
        m_zoomLastAge = age;
        m_zoomTop = value;
        return ZoomMark::SecondCorner;
    }
    clearZoomMarks();
    return ZoomMark::Cleared;
}

bool GraphView::applyZoom(int startAge, float endAge) {
    if (m_busy) {
        return false;
    }
    if (m_zoomed) {
        unzoom();
    }
    if (m_zoomFirstAge == 0) {
        return true; // nothing marked: the unzoomed view is all there is to show
    }
    if (m_zoomLastAge != 0 && m_zoomLastAge < m_zoomFirstAge) {
        std::swap(m_zoomFirstAge, m_zoomLastAge);
    }
    const int first = m_zoomLastAge == 0 ? startAge : m_zoomFirstAge;
    const int last = m_zoomLastAge == 0 ? m_zoomFirstAge : m_zoomLastAge;
    if (last - first + 1 < 2 || static_cast<float>(last) > endAge || first < startAge) {
        clearZoomMarks();
        return true;
    }
    m_zoomed = true;
    m_yearCount = static_cast<float>(last - first + 1);
    m_startIndex = first - startAge;
    return true;
}

std::optional<std::string> GraphView::selectAt(const PlotPoint& point) {
    if (m_busy) {
        return std::nullopt;
    }
    m_selectedYear = point.column;
    return readoutText(point.value);
}

bool GraphView::singleGraphInput() const {
    return !m_busy && !m_fourGraph && m_kind != GraphKind::Breakdown;
}

bool GraphView::toggleLegend() {
    if (!singleGraphInput()) {
        return false;
    }
    m_legend =
        m_legend == LegendMode::BeforeSeries ? LegendMode::AfterSeries : LegendMode::BeforeSeries;
    return true;
}

bool GraphView::hideLegend() {
    if (!singleGraphInput()) {
        return false;
    }
    m_legend = LegendMode::Hidden;
    return true;
}

std::optional<CursorPosition> GraphView::moveByColumn(int x, int y, int direction) {
    if (m_busy || !m_fourGraph || direction == 0) {
        return std::nullopt;
    }
    const std::optional<PlotPoint> here = plotPointAt(x, y);
    if (!here) {
        return std::nullopt;
    }
    const PlotGeometry& plot = geometry(here->quadrant);
    CursorPosition target{x + (direction < 0 ? -1 : 1) * plot.columnWidth, y};
    if (!plot.contains(target.x, target.y)) {
        const int beside = besideQuadrant(here->quadrant, direction);
        if (beside == 0 || kindIn(beside) == GraphKind::Breakdown) {
            return std::nullopt;
        }
        // The same place: the same offset from the plot's left edge and bottom.
        const PlotGeometry& next = geometry(beside);
        target = {next.left + (x - plot.left), next.bottom - (plot.bottom - y)};
        if (!next.contains(target.x, target.y)) {
            return std::nullopt;
        }
    }
    if (const std::optional<PlotPoint> there = plotPointAt(target.x, target.y)) {
        m_selectedYear = there->column;
    }
    return target;
}

} // namespace finplan
