#include "render/fan_chart.h"

#include "graphs/axis_scale.h"
#include "graphs/plot_geometry.h"
#include "graphs/series_colors.h"
#include "montecarlo/result_text.h"
#include "render/graph_canvas.h"
#include "render/graph_fonts.h"
#include "render/graph_palette.h"
#include "render/picture_file.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>

namespace finplan::render {

namespace {

// Band indexes into Bands.
constexpr std::size_t kP5 = 0;
constexpr std::size_t kP25 = 1;
constexpr std::size_t kP50 = 2;
constexpr std::size_t kP75 = 3;
constexpr std::size_t kP95 = 4;
// Net worth keeps the colour it has in the net worth graph.
constexpr int kNetWorthColor = 1;

struct FanPlot {
    GraphCanvas& canvas;
    const MonteCarloResult& result;
    PlotLayout layout;
    PlotGeometry geometry;

    int years() const { return static_cast<int>(result.ages.size()); }
    int x(int column) const { return layout.left + column * layout.columnWidth; }
    int y(float value) const { return valueY(geometry, value); }
};

QColor bandColor(int alpha) {
    QColor color = paletteColor(kNetWorthColor);
    color.setAlpha(alpha);
    return color;
}

AxisScale axisFor(const MonteCarloResult& result) {
    float low = 0.0f;
    float high = 0.0f;
    for (const Bands& bands : result.netWorth) {
        low = std::min(low, bands[kP5]);
        high = std::max(high, bands[kP95]);
    }
    AxisScale axis = autoScale(low, high);
    if (axis.span == 0.0f) {
        axis.span = 1.0f;
        axis.step = 0.1f;
    }
    return axis;
}

void drawGrid(FanPlot& p, const AxisScale& axis) {
    GraphCanvas& c = p.canvas;
    const PlotLayout& l = p.layout;
    const QColor ink = paletteColor(kInkColor);
    for (int i = 0; i <= 10; ++i) {
        const int y = l.bottom - i * l.gridStep;
        c.line(l.left, y, l.right(), y, paletteColor(kGridColor));
    }
    const int zeroY = p.y(0.0f);
    c.line(l.left, zeroY, l.right(), zeroY, ink, 2);
    c.line(l.left, l.bottom, l.left, l.top(), ink, 2);
    const int stride = valueLabelStride(c.lineHeight(), l.height);
    for (int i = 0; i <= 10; i += stride) {
        const QString text = toQString(valueLabel(axis.min + static_cast<float>(i) * axis.step));
        const int y = l.bottom - i * l.gridStep;
        c.line(l.left - c.tick() / 2, y, l.left + c.tick(), y, ink);
        c.text(l.left - c.textWidth(text) - c.tick() - c.charWidth(),
               y - c.metrics().textHeight / 2, text, ink);
    }
    const int ageStride = ageLabelStride(p.years(), c.charWidth(), l.width);
    for (int j = 0; j < p.years(); j += ageStride) {
        const int age = static_cast<int>(std::floor(p.result.ages[static_cast<std::size_t>(j)]));
        const QString text = toQString(ageLabel(age));
        c.line(p.x(j), zeroY + c.tick() / 2, p.x(j), zeroY - c.tick(), ink);
        c.text(p.x(j) - c.textWidth(text) / 2, l.bottom + c.tick() / 2 + 1, text, ink);
    }
}

// The area between two percentiles, left to right along the upper and back along the lower.
void drawBand(FanPlot& p, std::size_t lower, std::size_t upper, const QColor& color) {
    QPolygon area;
    for (int j = 0; j < p.years(); ++j) {
        area << QPoint(p.x(j), p.y(p.result.netWorth[static_cast<std::size_t>(j)][upper]));
    }
    for (int j = p.years() - 1; j >= 0; --j) {
        area << QPoint(p.x(j), p.y(p.result.netWorth[static_cast<std::size_t>(j)][lower]));
    }
    QPainter& painter = p.canvas.painter();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(area);
}

void drawMedian(FanPlot& p) {
    QPainterPath path;
    for (int j = 0; j < p.years(); ++j) {
        const QPointF point(p.x(j), p.y(p.result.netWorth[static_cast<std::size_t>(j)][kP50]));
        if (j == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    QPen pen(paletteColor(kNetWorthColor));
    pen.setWidth(p.canvas.seriesPenWidth());
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.canvas.painter().setPen(pen);
    p.canvas.painter().setBrush(Qt::NoBrush);
    p.canvas.painter().drawPath(path);
}

void drawLegend(FanPlot& p, int right, int top) {
    GraphCanvas& c = p.canvas;
    const std::array<std::pair<QString, QColor>, 3> rows{{
        {QStringLiteral("5th to 95th percentile"), bandColor(60)},
        {QStringLiteral("25th to 75th percentile"), bandColor(120)},
        {QStringLiteral("Median"), paletteColor(kNetWorthColor)},
    }};
    int widest = 0;
    for (const auto& row : rows) {
        widest = std::max(widest, c.textWidth(row.first));
    }
    const int cw = c.charWidth();
    const int lh = c.lineHeight();
    const int left = right - widest - 3 * cw;
    c.fill(left - 4, top, right, top + 3 * lh + 4, buttonFaceColor());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = top + 2 + static_cast<int>(i) * lh;
        c.fill(left, y + 1, left + cw * 3 / 2, y + c.metrics().textHeight - 1, Qt::white);
        c.fill(left, y + 1, left + cw * 3 / 2, y + c.metrics().textHeight - 1, rows[i].second);
        c.text(left + 2 * cw, y, rows[i].first, paletteColor(kInkColor));
    }
    c.frameBox(left - 4, top, right - left + 4, 3 * lh + 4, true);
}

} // namespace

void drawFanChart(QPainter& painter, const QRect& area, const MonteCarloResult& result,
                  const QFont& font) {
    GraphCanvas canvas(painter, false);
    canvas.setFont(font);
    painter.fillRect(area, Qt::white);
    const int lh = canvas.lineHeight();
    const QColor ink = paletteColor(kInkColor);
    canvas.text(area.left() + canvas.charWidth(), area.top() + lh / 2,
                toQString(chartHeading(result)), ink);
    canvas.text(area.left() + canvas.charWidth(), area.top() + lh / 2 + lh,
                toQString(successLine(result)), ink);
    if (result.ages.empty()) {
        return;
    }
    const AxisScale axis = axisFor(result);
    int labelWidth = 0;
    for (int i = 0; i <= 10; ++i) {
        labelWidth = std::max(
            labelWidth,
            canvas.textWidth(toQString(valueLabel(axis.min + static_cast<float>(i) * axis.step))));
    }
    const FrameRect frame{area.left(), area.top() + 3 * lh, area.right() + 1, area.bottom() + 1};
    FanPlot p{canvas, result, {}, {}};
    p.layout = layoutPlot({frame, canvas.metrics(), canvas.tick(), labelWidth,
                           std::max(p.years() - 1, 1), false, PlotPlacement::Single});
    p.geometry.left = p.layout.left;
    p.geometry.bottom = p.layout.bottom;
    p.geometry.width = p.layout.width;
    p.geometry.height = p.layout.height;
    p.geometry.columnWidth = p.layout.columnWidth;
    p.geometry.gridStep = p.layout.gridStep;
    p.geometry.span = axis.span;
    p.geometry.min = axis.min;
    drawGrid(p, axis);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    drawBand(p, kP5, kP95, bandColor(60));
    drawBand(p, kP25, kP75, bandColor(120));
    drawMedian(p);
    painter.restore();
    drawLegend(p, frame.right - 2 * canvas.charWidth(), area.top() + lh / 2);
}

QImage renderFanChartImage(const MonteCarloResult& result, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawFanChart(painter, image.rect(), result, screenGraphFont(size.height()));
    return image;
}

WriteResult writeFanChartPng(const std::filesystem::path& path, const MonteCarloResult& result,
                             QSize size) {
    return writePngFile(path, renderFanChartImage(result, size));
}

} // namespace finplan::render
