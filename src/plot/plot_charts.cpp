#include "plot/plot_charts.h"

#include "render/graph_canvas.h"

namespace finplan::plot {

SeriesChart seriesChart(const SeriesPlot& plot) {
    SeriesChart chart;
    if (plot.kind == SeriesKind::Refinance) {
        chart.title = QStringLiteral("REFINANCE: NET WORTH OF THE TWO COURSES");
        chart.xLabel = QStringLiteral("Months from the refinancing");
    } else {
        chart.title = QStringLiteral("TRADE-OFF: VALUE OF EACH OPTION");
        chart.xLabel = QStringLiteral("Periods");
    }
    for (std::size_t s = 0; s < plot.names.size(); ++s) {
        ChartLine line{render::toQString(plot.names[s]), {}};
        for (const SeriesPoint& point : plot.points) {
            if (s < point.values.size()) {
                line.points.emplace_back(point.x, point.values[s]);
            }
        }
        chart.lines.push_back(std::move(line));
    }
    return chart;
}

SeriesChart comparisonChart(const Comparison& comparison) {
    SeriesChart chart;
    chart.title = render::toQString(std::string(comparedFieldName(comparison.field))).toUpper();
    chart.xLabel = QStringLiteral("Age");
    for (std::size_t s = 0; s < comparison.names.size(); ++s) {
        ChartLine line{render::toQString(comparison.names[s]), {}};
        for (const ComparisonRow& row : comparison.rows) {
            if (s < row.values.size() && row.values[s]) {
                line.points.emplace_back(row.age, *row.values[s]);
            }
        }
        chart.lines.push_back(std::move(line));
    }
    return chart;
}

} // namespace finplan::plot
