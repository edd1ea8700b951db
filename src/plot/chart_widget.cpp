#include "plot/chart_widget.h"

#include <QPainter>

namespace finplan::plot {

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("chartWidget"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
}

void ChartWidget::setChart(SeriesChart chart) {
    m_chart = std::move(chart);
    update();
}

void ChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    m_frame = drawSeriesChart(painter, rect(), m_chart);
}

} // namespace finplan::plot
