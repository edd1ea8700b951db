#pragma once

#include "plot/series_chart.h"

#include <QWidget>

namespace finplan::plot {

// A series chart on screen; redrawn whenever its chart is set.
class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);

    void setChart(SeriesChart chart);
    const SeriesChart& chart() const { return m_chart; }
    // Where the last painting put the plot.
    const ChartFrame& frame() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SeriesChart m_chart;
    ChartFrame m_frame;
};

} // namespace finplan::plot
