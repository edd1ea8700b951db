#pragma once

#include <QWidget>

namespace finplan::gui {

class MonteCarloRun;

// The fan chart of the last Monte Carlo result, drawn by the graph drawing code.
class FanChartView : public QWidget {
    Q_OBJECT
public:
    FanChartView(const MonteCarloRun& run, int textHeight, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const MonteCarloRun& m_run;
    int m_textHeight;
};

} // namespace finplan::gui
