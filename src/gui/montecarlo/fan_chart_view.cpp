#include "gui/montecarlo/fan_chart_view.h"

#include "gui/montecarlo/monte_carlo_run.h"
#include "render/fan_chart.h"
#include "render/graph_fonts.h"

#include <QPainter>

namespace finplan::gui {

FanChartView::FanChartView(const MonteCarloRun& run, int textHeight, QWidget* parent)
    : QWidget(parent)
    , m_run(run)
    , m_textHeight(textHeight) {
    setObjectName(QStringLiteral("fanChart"));
    setMinimumSize(300, 200);
}

void FanChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto& last = m_run.last();
    if (!last || last->status != MonteCarloStatus::Done) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    render::drawFanChart(painter, rect(), last->result, render::screenGraphFont(m_textHeight));
}

} // namespace finplan::gui
