#include "render/graph_palette.h"
#include "render/graph_parts.h"
#include "results/text_format.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace finplan::render {

namespace {

// Qt counts pie angles in sixteenths of a degree, counter-clockwise.
int qtAngle(float radians) {
    return -static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

QPoint rimPoint(int cx, int cy, int r, float angle) {
    return {static_cast<int>(static_cast<float>(cx) + static_cast<float>(r) * std::cos(angle)),
            static_cast<int>(static_cast<float>(cy) + static_cast<float>(r) * std::sin(angle))};
}

struct LegendColumn {
    int left = 0;
    int width = 0;
};

// The legend column: from the frame's second line one row per item (colour box, label and
// share), then the total, all framed.
LegendColumn drawLegendColumn(GraphCanvas& c, const Breakdown& chart, const FrameRect& f,
                              std::vector<QRect>& rows) {
    const int cw = c.charWidth();
    const int lh = c.lineHeight();
    const int th = c.metrics().textHeight;
    const QColor ink = paletteColor(kInkColor);
    const int boxWidth = cw * 3 / 2;
    int widest = 0;
    for (const BreakdownSlice& slice : chart.slices) {
        widest = std::max(widest, c.textWidth(toQString(" " + slice.label)));
    }
    const QString total = toQString(breakdownTotalText(chart));
    LegendColumn column{f.left + 8 + cw, 0};
    column.width = widest + c.textWidth(QStringLiteral("%100.00%")) + 2 * cw;
    if (chart.listsShares()) {
        column.width = std::max(column.width, c.textWidth(total) + 2 * cw);
    }
    const int count = static_cast<int>(chart.slices.size());
    const int lines = count + (chart.listsShares() ? 1 : 0);
    const int boxTop = f.top + lh - 2;
    const int right = column.left + column.width;
    if (!c.printer() && lines > 0) {
        c.fill(column.left - 3, boxTop + 1, right + 4, boxTop + lines * lh + 4, buttonFaceColor());
    }
    for (int i = 0; i < count; ++i) {
        const BreakdownSlice& slice = chart.slices[static_cast<std::size_t>(i)];
        const int y = f.top + (i + 1) * lh;
        c.rectangle(column.left, y, column.left + boxWidth, y + th, paletteColor(slice.colorIndex));
        c.text(column.left + boxWidth, y, toQString(" " + slice.label), ink);
        if (chart.listsShares()) {
            c.textRight(right, y, toQString(shareText(slice.percent)), ink);
        }
        rows.emplace_back(QPoint(column.left, y), QPoint(right, y + lh - 1));
    }
    if (chart.listsShares()) {
        c.text(column.left, f.top + (count + 1) * lh, total, ink);
    }
    if (lines > 0) {
        c.frameBox(column.left - 4, boxTop, column.width + 8, lines * lh + 5, true);
    }
    return column;
}

} // namespace

PieGeometry drawBreakdown(GraphCanvas& canvas, const GraphView& view, const GraphScene& scene,
                          GraphKind source, const GraphPlace& place) {
    GraphCanvas& c = canvas;
    const FrameRect& f = place.frame;
    const int lh = c.lineHeight();
    const int cw = c.charWidth();
    const bool fourGraph = place.placement == PlotPlacement::FourGraph;
    const int year = view.selectedYear();
    PieGeometry pie;
    pie.chart =
        breakdown(source, scene.tables, scene.roster, year, scene.firstAccount, scene.endAccount);
    const Breakdown& chart = pie.chart;
    const LegendColumn legend = drawLegendColumn(c, chart, f, pie.legendRows);

    pie.centreX = (f.left + f.right) / 2 + legend.width / 2;
    pie.centreY = (f.top + f.bottom) / 2 - (fourGraph ? lh : 0);
    int radius = fourGraph ? std::min(f.width(), f.height() / 2) + lh
                           : std::min((f.width() - legend.width * 3 / 4) / 2, f.height() / 2);
    radius -= 3 * lh;
    // The centre halves the room right of the legend column; the pie and its shadow stay in
    // that room, also where the text is large against the frame.
    const int legendRight = legend.left + legend.width + 4;
    radius = std::min(radius, std::min(pie.centreX - legendRight, f.right - pie.centreX) - 8);
    pie.radius = std::max(radius, 0);
    const int r = pie.radius;
    const int cx = pie.centreX;
    const int cy = pie.centreY;
    const QRect disc(cx - r, cy - r, 2 * r, 2 * r);

    QPainter& painter = c.painter();
    if (chart.total > 0.0f && r > 0) {
        const int offset = fourGraph && !c.printer() ? 2 : 4;
        painter.setPen(Qt::NoPen);
        painter.setBrush(toQColor(kPieShadowColor));
        painter.drawEllipse(disc.translated(offset, offset));
    }
    if (chart.drawsPie() && r > 0) {
        const auto filled = std::count_if(chart.slices.begin(), chart.slices.end(),
                                          [](const BreakdownSlice& s) { return s.hasWidth(); });
        painter.setPen(QPen(paletteColor(kInkColor), 0));
        for (const BreakdownSlice& slice : chart.slices) {
            if (!slice.hasWidth()) {
                continue;
            }
            painter.setBrush(paletteColor(slice.colorIndex));
            if (filled == 1) {
                // A whole disc in two halves, as a slice cannot start and end at one point.
                painter.drawPie(disc, 0, 180 * 16);
                painter.drawPie(disc, 180 * 16, 180 * 16);
                continue;
            }
            const float from = pieAngle(chart, slice.start);
            const float to = pieAngle(chart, slice.end);
            if (rimPoint(cx, cy, r, from) == rimPoint(cx, cy, r, to)) {
                continue;
            }
            const int start = qtAngle(from);
            painter.drawPie(disc, start, qtAngle(to) - start);
        }
        pie.pieDrawn = true;
    }
    painter.setBrush(Qt::NoBrush);
    const QString age = toQString(formatText("Age %d", scene.wholeAgeOf(year)));
    c.text(cx - 3 * cw, cy + r + (fourGraph && !c.printer() ? 2 : 4), age, paletteColor(kInkColor));
    if (place.placement == PlotPlacement::Single) {
        // The title of the graph it came from, over the pie.
        c.textCentred(cx, std::max(cy - r - lh - 6, f.top + 6), toQString(chart.title),
                      paletteColor(kInkColor));
        drawCaptions(c, scene, f, true);
    }
    return pie;
}

} // namespace finplan::render
