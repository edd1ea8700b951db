#include "graphs/plot_geometry.h"
#include "render/graph_palette.h"
#include "render/graph_parts.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace finplan::render {

namespace {

// Everything the parts of one time-series graph share.
struct SeriesPlot {
    GraphCanvas& canvas;
    const GraphScene& scene;
    GraphKind kind;
    FrameRect frame;
    std::vector<GraphSeries> series;
    int startIndex = 0;
    int years = 1;
    PlotLayout layout;
    PlotGeometry geometry;
    int zeroY = 0;

    float value(std::size_t s, int column) const {
        return seriesValue(scene.tables, scene.roster, series[s].source, startIndex + column);
    }
    int x(int column) const { return layout.left + column * layout.columnWidth; }
    int y(float v) const { return valueY(geometry, v); }
    std::vector<float> column(int j) const {
        std::vector<float> values(series.size());
        for (std::size_t s = 0; s < series.size(); ++s) {
            values[s] = value(s, j);
        }
        return values;
    }
};

// What hit-testing needs to know of a drawn plot.
PlotGeometry plotGeometry(const PlotLayout& layout, const AxisScale& axis, float max) {
    PlotGeometry plot;
    plot.left = layout.left;
    plot.bottom = layout.bottom;
    plot.width = layout.width;
    plot.height = layout.height;
    plot.columnWidth = layout.columnWidth;
    plot.gridStep = layout.gridStep;
    plot.span = axis.span;
    plot.min = axis.min;
    plot.max = max;
    return plot;
}

QColor ink() {
    return paletteColor(kInkColor);
}

QColor grid() {
    return paletteColor(kGridColor);
}

void drawFlatAxis(SeriesPlot& p) {
    GraphCanvas& c = p.canvas;
    const PlotLayout& l = p.layout;
    const int tick = c.tick();
    // The grid goes down first so the axes stay whole where they cross it.
    for (int i = 0; i <= 10; ++i) {
        const int y = l.bottom - i * l.gridStep;
        c.line(l.left, y, l.right(), y, grid());
    }
    for (int i = 1; i <= p.years; ++i) {
        const int x = l.left + i * l.columnWidth;
        c.line(x, l.bottom, x, l.top(), grid());
    }
    c.line(l.left, p.zeroY, l.right(), p.zeroY, ink(), 2);
    c.line(l.left, l.bottom, l.left, l.top(), ink(), 2);
    for (int i = 0; i <= 10; ++i) {
        const int y = l.bottom - i * l.gridStep;
        c.line(l.left - tick / 2, y, l.left + tick, y, ink());
    }
    for (int i = 1; i <= p.years; ++i) {
        const int x = l.left + i * l.columnWidth;
        c.line(x, p.zeroY + tick / 2, x, p.zeroY - tick, ink());
    }
}

// The grid on the back wall, each line joined to its tick on the front axis by a diagonal.
void draw3DAxis(SeriesPlot& p) {
    GraphCanvas& c = p.canvas;
    const PlotLayout& l = p.layout;
    const int d = l.depth;
    const int tick = c.tick();
    for (int i = 0; i <= 10; ++i) {
        const int y = l.bottom - i * l.gridStep;
        c.line(l.left + d, y - d, l.right() + d, y - d, grid());
        c.line(l.left, y, l.left + d, y - d, grid());
    }
    for (int i = 1; i <= p.years; ++i) {
        const int x = l.left + i * l.columnWidth + d;
        c.line(x, l.bottom - d, x, l.top() - d, grid());
    }
    c.line(l.left + d, l.bottom - d, l.left + d, l.top() - d, ink(), 2);
    c.line(l.left, p.zeroY, l.right(), p.zeroY, ink(), 2);
    c.line(l.left, l.bottom, l.left, l.top(), ink(), 2);
    for (int i = 0; i <= 10; ++i) {
        const int y = l.bottom - i * l.gridStep;
        c.line(l.left - tick / 2, y, l.left + tick, y, ink());
    }
    for (int i = 1; i <= p.years; ++i) {
        const int x = l.left + i * l.columnWidth;
        c.line(x, p.zeroY + tick / 2, x, p.zeroY - tick, ink());
    }
}

void drawValueLabels(SeriesPlot& p, const std::array<QString, 11>& labels) {
    GraphCanvas& c = p.canvas;
    const PlotLayout& l = p.layout;
    const int stride = valueLabelStride(c.lineHeight(), l.height);
    // A quarter column keeps wide columns' labels clear of the axis; more would push them out
    // of the frame.
    const int gap = std::min(l.columnWidth / 4, c.charWidth());
    for (int i = 0; i <= 10; i += stride) {
        const QString& text = labels[static_cast<std::size_t>(i)];
        const int x = l.left - c.textWidth(text) - c.tick() - gap - 1;
        const int y = l.bottom - c.metrics().textHeight / 2 - i * l.gridStep;
        c.text(x, y, text, ink());
    }
}

void drawAgeLabels(SeriesPlot& p) {
    GraphCanvas& c = p.canvas;
    const PlotLayout& l = p.layout;
    const int cw = c.charWidth();
    const int stride = ageLabelStride(p.years, cw, l.width);
    const int y = l.bottom + c.tick() / 2 + 1;
    for (int j = 0; j < p.years; j += stride) {
        const int age = p.scene.wholeAgeOf(p.startIndex + j);
        const int shift = age < 10 ? cw / 2 : (age < 100 ? cw : cw * 3 / 2);
        c.text(p.x(j) - shift, y, toQString(ageLabel(age)), ink());
    }
}

void drawLegend(SeriesPlot& p, int legendTop) {
    GraphCanvas& c = p.canvas;
    if (p.series.empty()) {
        return;
    }
    const int cw = c.charWidth();
    const int lh = c.lineHeight();
    const int th = c.metrics().textHeight;
    int widest = 0;
    for (const GraphSeries& s : p.series) {
        widest = std::max(widest, c.textWidth(toQString(s.label)));
    }
    const int boxWidth = cw * 3 / 2;
    const int left = p.frame.right - (widest + boxWidth) - cw - 15;
    const int rows = static_cast<int>(p.series.size());
    const int boxTop = legendTop + lh - 2;
    const int boxHeight = (rows - 1) * lh + th + 3;
    // Room for the names and a few pixels more, so the outline clears the longest one.
    const int frameWidth = 2 * cw + widest + 8;
    if (!c.printer()) {
        // The strips of blanks behind the names, joined into one panel.
        c.fill(left - 3, boxTop + 1, left - 4 + frameWidth, boxTop + boxHeight, buttonFaceColor());
    }
    for (int i = 0; i < rows; ++i) {
        const GraphSeries& s = p.series[static_cast<std::size_t>(i)];
        const int y = legendTop + (i + 1) * lh;
        c.rectangle(left, y, left + boxWidth, y + th, paletteColor(s.colorIndex));
        c.text(left + 2 * cw, y, toQString(s.label), ink());
    }
    c.frameBox(left - 4, boxTop, frameWidth, boxHeight, true);
}

void drawLines(SeriesPlot& p) {
    GraphCanvas& c = p.canvas;
    const int points = drawnYearCount(p.kind, p.years);
    for (std::size_t s = 0; s < p.series.size(); ++s) {
        QPainterPath path;
        float previousValue = 0.0f;
        int previousY = 0;
        for (int j = 0; j < points; ++j) {
            const float v = p.value(s, j);
            const QPointF point(p.x(j), p.y(v));
            const int y = p.y(v);
            const bool zeroRun = j > 0 && previousValue == 0.0f && v == 0.0f;
            const bool zeroLineRun = j > 0 && previousY == p.zeroY && y == p.zeroY;
            if (j == 0 || zeroRun || zeroLineRun) {
                path.moveTo(point);
            } else {
                path.lineTo(point);
            }
            previousValue = v;
            previousY = y;
        }
        QPen pen(paletteColor(p.series[s].colorIndex));
        pen.setWidth(c.seriesPenWidth());
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        c.painter().setPen(pen);
        c.painter().setBrush(Qt::NoBrush);
        c.painter().drawPath(path);
    }
}

void drawFlatBars(SeriesPlot& p) {
    GraphCanvas& c = p.canvas;
    for (int j = 0; j < p.years; ++j) {
        const std::vector<float> values = p.column(j);
        const int x = p.x(j);
        for (const std::size_t s : barOrder(values)) {
            const int y = p.y(values[s]);
            c.rectangle(x, std::min(y, p.zeroY), x + p.layout.columnWidth, std::max(y, p.zeroY),
                        paletteColor(p.series[s].colorIndex));
        }
    }
}

void draw3DBars(SeriesPlot& p) {
    GraphCanvas& c = p.canvas;
    const int col = p.layout.columnWidth;
    const int columns = drawnYearCount(p.kind, p.years);
    const std::size_t n = p.series.size();
    for (int j = 0; j < columns; ++j) {
        const std::vector<float> values = p.column(j);
        const std::vector<std::size_t> order = barOrder(values);
        const int x = p.x(j);
        for (std::size_t k = 0; k < n; ++k) {
            const float v = values[order[k]];
            if (v == 0.0f) {
                continue; // a bar of nothing would only lay a slab on the floor
            }
            const BarDepth b = barDepth(k, n, col);
            const int d = b.offset;
            const int u = b.unit;
            const int y = p.y(v);
            const int z = p.zeroY;
            const int top = v > 0.0f ? y : z;
            const QColor color = paletteColor(p.series[order[k]].colorIndex);
            c.polygon(QPolygon({QPoint(x + d, y - d), QPoint(x + col + d, y - d),
                                QPoint(x + col + d, z - d), QPoint(x + d, z - d)}),
                      color);
            c.polygon(QPolygon({QPoint(x + col + d, y - d), QPoint(x + col + d + u, y - d - u),
                                QPoint(x + col + d + u, z - d - u), QPoint(x + col + d, z - d)}),
                      color);
            c.polygon(QPolygon({QPoint(x + d, top - d), QPoint(x + d + u, top - d - u),
                                QPoint(x + col + d + u, top - d - u), QPoint(x + col + d, top - d),
                                QPoint(x + d, top - d)}),
                      color);
        }
    }
}

void drawSeries(SeriesPlot& p, const GraphView& view) {
    if (view.drawsLines()) {
        drawLines(p);
    } else if (view.style() == GraphStyle::Bars3D) {
        draw3DBars(p);
    } else {
        drawFlatBars(p);
    }
}

void drawTitles(SeriesPlot& p, const GraphPlace& place) {
    GraphCanvas& c = p.canvas;
    const FrameRect& f = p.frame;
    const int centre = (f.left + f.right) / 2;
    const int lh = c.lineHeight();
    if (c.printer()) {
        const QString title = toQString(std::string(graphTitle(p.kind)));
        c.textCentred(centre, place.printedPass ? f.bottom - lh : f.top, title, ink());
    }
    if (place.placement == PlotPlacement::Single) {
        drawCaptions(c, p.scene, f, false);
    }
}

} // namespace

void drawCaptions(GraphCanvas& canvas, const GraphScene& scene, const FrameRect& frame,
                  bool leftAligned) {
    const int lh = canvas.lineHeight();
    const int centre = (frame.left + frame.right) / 2;
    for (int i = 0; i < 3; ++i) {
        const QString caption = toQString(scene.captions[static_cast<std::size_t>(i)]);
        const int above = (3 - i) * lh;
        if (leftAligned) {
            canvas.text(frame.left + 8, frame.bottom - above - 10, caption, ink());
        } else {
            canvas.textCentred(centre, frame.bottom - above - 9, caption, ink());
        }
    }
}

void drawTimeSeries(GraphCanvas& canvas, GraphView& view, const GraphScene& scene, GraphKind kind,
                    const GraphPlace& place) {
    SeriesPlot p{canvas, scene, kind, place.frame, {}, view.startIndex(), 1, {}, {}, 0};
    p.series = graphSeries(kind, scene.roster, scene.firstAccount, scene.endAccount);
    p.years = std::max(view.visibleYearCount(), 1);
    const ValueRange range =
        seriesRange(scene.tables, scene.roster, p.series, p.startIndex, p.years);
    AxisScale axis = view.axis(range);
    if (axis.span == 0.0f) {
        axis.span = 1.0f;
    }

    std::array<QString, 11> labels;
    int labelWidth = 0;
    for (int i = 0; i <= 10; ++i) {
        QString& label = labels[static_cast<std::size_t>(i)];
        label = toQString(valueLabel(axis.min + static_cast<float>(i) * axis.step));
        labelWidth = std::max(labelWidth, canvas.textWidth(label));
    }
    const bool bars3D = !view.drawsLines() && view.style() == GraphStyle::Bars3D;
    p.layout = layoutPlot({place.frame, canvas.metrics(), canvas.tick(), labelWidth, p.years,
                           bars3D, place.placement});
    p.geometry = plotGeometry(p.layout, axis, range.max);
    if (place.quadrant) {
        view.setGeometry(*place.quadrant, p.geometry);
    }
    p.zeroY = p.y(0.0f);

    if (bars3D) {
        draw3DAxis(p);
    } else {
        drawFlatAxis(p);
    }
    drawValueLabels(p, labels);
    drawAgeLabels(p);

    const bool legend =
        place.placement == PlotPlacement::Single && view.legend() != LegendMode::Hidden;
    const int legendTop =
        bars3D && canvas.printer() ? p.layout.top() - p.layout.depth : place.frame.top;
    if (legend && view.legend() == LegendMode::BeforeSeries) {
        drawLegend(p, legendTop);
    }
    const bool clip = view.zoomed() && !canvas.printer();
    if (clip) {
        canvas.painter().save();
        canvas.painter().setClipRect(
            QRect(p.layout.left, p.layout.top(), p.layout.width + 1, p.layout.height + 1));
    }
    drawSeries(p, view);
    if (clip) {
        canvas.painter().restore();
    }
    if (legend && view.legend() == LegendMode::AfterSeries) {
        drawLegend(p, legendTop);
    }
    drawTitles(p, place);
}

} // namespace finplan::render
