#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace finplan {
class Planner;
}

namespace finplan::gui {

class FileChooser;
class MonteCarloRun;

// The Monte Carlo page: trial count, source of the random rates and Run; while the trials run
// a progress bar with Cancel; then the success rate, the red flags' shares and the fan chart
// of net worth by age, which Save as PNG and Save as CSV write out.
class MonteCarloPage : public QWidget {
    Q_OBJECT
public:
    MonteCarloPage(Planner& planner, MonteCarloRun& run, FileChooser& files, int textHeight,
                   QWidget* parent);

    // The run's trials as the page's controls ask for them.
    void startRun();

private:
    void buildControls();
    void showState();
    void saveChart();
    void saveTable();

    Planner& m_planner;
    MonteCarloRun& m_run;
    FileChooser& m_files;
    int m_textHeight;
    QSpinBox* m_trials = nullptr;
    QComboBox* m_mode = nullptr;
    QPushButton* m_start = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_success = nullptr;
    QLabel* m_flags = nullptr;
    QWidget* m_chart = nullptr;
    QPushButton* m_savePng = nullptr;
    QPushButton* m_saveCsv = nullptr;
};

} // namespace finplan::gui
