#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

namespace finplan::plot {

// A line chart of a few named series over a numeric x axis: the calculators' plots and the
// scenario comparison.
struct ChartLine {
    QString name;
    std::vector<QPointF> points; // x rising
};

struct SeriesChart {
    QString title;
    QString xLabel;
    std::vector<ChartLine> lines;
};

// Where a drawing put the plot and which values its edges stand for, so that a value can be
// found again at its pixel.
struct ChartFrame {
    QRect plot;
    double xMin = 0.0;
    double xMax = 1.0;
    double yMin = 0.0;
    double yMax = 1.0;

    QPoint toPixel(double x, double y) const;
};

// The colour of the chart's n-th line: the graphs' series colours from the first on.
QColor chartLineColor(int line);

// Draws the chart inside `area` on a white ground: title, value axis with its grid and money
// labels, x axis, the lines and a legend of the names in their colours.
ChartFrame drawSeriesChart(QPainter& painter, const QRect& area, const SeriesChart& chart);

} // namespace finplan::plot
