#include "plot/series_chart.h"

#include "graphs/axis_scale.h"
#include "render/graph_canvas.h"
#include "render/graph_palette.h"
#include "results/money_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace finplan::plot {

namespace {

constexpr int kMargin = 12;
constexpr int kGridLines = 10;

// A step of 1, 2 or 5 times a power of ten that cuts the span into at most `parts` pieces.
double roundStep(double span, int parts) {
    if (span <= 0.0) {
        return 1.0;
    }
    const double raw = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

// "$1,250,000" for an axis: the money text without cents.
QString axisMoney(double value) {
    std::string text = moneyText(static_cast<float>(value));
    const auto dot = text.find('.');
    if (dot != std::string::npos) {
        text.erase(dot);
    }
    text.erase(0, text.find_first_not_of(' '));
    return render::toQString(text);
}

QString axisNumber(double value) {
    return QString::number(value, 'g', 6);
}

ChartFrame valueRange(const SeriesChart& chart) {
    ChartFrame frame;
    double xMin = std::numeric_limits<double>::max();
    double xMax = std::numeric_limits<double>::lowest();
    float yMin = 0.0f;
    float yMax = 0.0f;
    for (const ChartLine& line : chart.lines) {
        for (const QPointF& p : line.points) {
            xMin = std::min(xMin, p.x());
            xMax = std::max(xMax, p.x());
            yMin = std::min(yMin, static_cast<float>(p.y()));
            yMax = std::max(yMax, static_cast<float>(p.y()));
        }
    }
    if (xMin > xMax) {
        xMin = 0.0;
        xMax = 1.0;
    }
    if (xMax <= xMin) {
        xMax = xMin + 1.0;
    }
    const AxisScale axis = autoScale(yMin, yMax);
    frame.xMin = xMin;
    frame.xMax = xMax;
    frame.yMin = axis.min;
    frame.yMax = axis.span > 0.0f ? axis.top() : axis.min + 1.0f;
    return frame;
}

void drawLegend(QPainter& painter, const SeriesChart& chart, const ChartFrame& frame) {
    const QFontMetrics metrics = painter.fontMetrics();
    int y = frame.plot.top() + kMargin;
    int width = 0;
    for (const ChartLine& line : chart.lines) {
        width = std::max(width, metrics.horizontalAdvance(line.name));
    }
    const int boxWidth = width + 3 * kMargin + 20;
    const int x = frame.plot.right() - boxWidth - kMargin;
    const int height = static_cast<int>(chart.lines.size()) * metrics.height() + kMargin;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(render::buttonFaceColor());
    painter.drawRect(x, y, boxWidth, height);
    y += kMargin / 2;
    for (std::size_t i = 0; i < chart.lines.size(); ++i) {
        const int middle = y + metrics.height() / 2;
        painter.setPen(QPen(chartLineColor(static_cast<int>(i)), 3));
        painter.drawLine(x + kMargin, middle, x + kMargin + 20, middle);
        painter.setPen(Qt::black);
        painter.drawText(x + 2 * kMargin + 20, y + metrics.ascent(), chart.lines[i].name);
        y += metrics.height();
    }
}

} // namespace

QPoint ChartFrame::toPixel(double x, double y) const {
    const double fx = (x - xMin) / (xMax - xMin);
    const double fy = (y - yMin) / (yMax - yMin);
    return {plot.left() + static_cast<int>(std::lround(fx * plot.width())),
            plot.bottom() - static_cast<int>(std::lround(fy * plot.height()))};
}

QColor chartLineColor(int line) {
    return render::paletteColor(line + 1);
}

ChartFrame drawSeriesChart(QPainter& painter, const QRect& area, const SeriesChart& chart) {
    painter.save();
    painter.fillRect(area, Qt::white);
    const QFontMetrics metrics = painter.fontMetrics();
    ChartFrame frame = valueRange(chart);
    int labelWidth = 0;
    for (int i = 0; i <= kGridLines; ++i) {
        const double value = frame.yMin + (frame.yMax - frame.yMin) * i / kGridLines;
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(axisMoney(value)));
    }
    const int top = area.top() + kMargin + 2 * metrics.height();
    const int bottom = area.bottom() - kMargin - 2 * metrics.height();
    const int left = area.left() + kMargin + labelWidth + kMargin;
    const int right = area.right() - 2 * kMargin;
    frame.plot =
        QRect(QPoint(left, top), QPoint(std::max(right, left + 1), std::max(bottom, top + 1)));

    painter.setPen(Qt::black);
    painter.drawText(QRect(area.left(), area.top() + kMargin, area.width(), metrics.height()),
                     Qt::AlignHCenter, chart.title);

    // The value grid and its labels.
    for (int i = 0; i <= kGridLines; ++i) {
        const double value = frame.yMin + (frame.yMax - frame.yMin) * i / kGridLines;
        const int y = frame.toPixel(frame.xMin, value).y();
        painter.setPen(
            QPen(render::paletteColor(11), 1, value == 0.0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(left, y, frame.plot.right(), y);
        painter.setPen(Qt::black);
        const QString label = axisMoney(value);
        painter.drawText(left - kMargin / 2 - metrics.horizontalAdvance(label),
                         y + metrics.ascent() / 2, label);
    }
    // The x axis: round steps, the first and last value always marked.
    const double step = roundStep(frame.xMax - frame.xMin, 12);
    for (double x = std::ceil(frame.xMin / step) * step; x <= frame.xMax + step * 1e-9; x += step) {
        const QPoint at = frame.toPixel(x, frame.yMin);
        painter.drawLine(at.x(), frame.plot.bottom(), at.x(), frame.plot.bottom() + 4);
        const QString label = axisNumber(x);
        painter.drawText(at.x() - metrics.horizontalAdvance(label) / 2,
                         frame.plot.bottom() + 6 + metrics.ascent(), label);
    }
    painter.drawText(
        QRect(area.left(), bottom + metrics.height() + 6, area.width(), metrics.height()),
        Qt::AlignHCenter, chart.xLabel);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.plot);

    for (std::size_t i = 0; i < chart.lines.size(); ++i) {
        QPolygonF polyline;
        for (const QPointF& p : chart.lines[i].points) {
            polyline << QPointF(frame.toPixel(p.x(), p.y()));
        }
        painter.setPen(QPen(chartLineColor(static_cast<int>(i)), 2));
        painter.drawPolyline(polyline);
    }
    if (!chart.lines.empty()) {
        drawLegend(painter, chart, frame);
    }
    painter.restore();
    return frame;
}

} // namespace finplan::plot
