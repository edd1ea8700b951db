#include "gui/montecarlo/monte_carlo_page.h"

#include "app/planner.h"
#include "gui/montecarlo/fan_chart_view.h"
#include "gui/montecarlo/monte_carlo_run.h"
#include "gui/platform/file_chooser.h"
#include "model/safe_write.h"
#include "montecarlo/result_text.h"
#include "render/fan_chart.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <ctime>

namespace finplan::gui {

namespace {

constexpr QSize kSavedChartSize{1024, 768};

QString qs(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

RandomMode modeAt(int index) {
    return index == 0 ? RandomMode::Groups : RandomMode::Accounts;
}

QString flagsText(const MonteCarloOutcome& outcome) {
    if (outcome.status == MonteCarloStatus::Refused) {
        return qs(outcome.refusal.text);
    }
    QString text = QStringLiteral("Seed: %1").arg(outcome.result.seed);
    for (const std::string& line : flagLines(outcome.result)) {
        text += QLatin1Char('\n') + qs(line);
    }
    return text;
}

} // namespace

MonteCarloPage::MonteCarloPage(Planner& planner, MonteCarloRun& run, FileChooser& files,
                               int textHeight, QWidget* parent)
    : QWidget(parent)
    , m_planner(planner)
    , m_run(run)
    , m_files(files)
    , m_textHeight(textHeight) {
    setObjectName(QStringLiteral("monteCarloPage"));
    if (!m_run.mode) {
        m_run.mode = defaultRandomMode(m_planner.scenario()).value_or(RandomMode::Groups);
    }
    buildControls();
    connect(&m_run, &MonteCarloRun::progressed, this, &MonteCarloPage::showState);
    connect(&m_run, &MonteCarloRun::stopped, this, &MonteCarloPage::showState);
    showState();
}

void MonteCarloPage::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    layout->addLayout(controls);
    controls->addWidget(new QLabel(QStringLiteral("Trials:"), this));
    m_trials = new QSpinBox(this);
    m_trials->setObjectName(QStringLiteral("trials"));
    m_trials->setRange(1, kMaxTrials);
    m_trials->setSingleStep(1000);
    m_trials->setGroupSeparatorShown(true);
    m_trials->setValue(m_run.trials);
    controls->addWidget(m_trials);
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("mode"));
    m_mode->addItems(
        {QStringLiteral("Random group rates"), QStringLiteral("Random account rates")});
    m_mode->setCurrentIndex(m_run.mode == RandomMode::Groups ? 0 : 1);
    controls->addWidget(m_mode);
    m_start = new QPushButton(QStringLiteral("Run"), this);
    m_start->setObjectName(QStringLiteral("run"));
    controls->addWidget(m_start);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    controls->addWidget(m_progress, 1);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    controls->addWidget(m_cancel);

    auto* summary = new QHBoxLayout;
    layout->addLayout(summary);
    m_success = new QLabel(this);
    m_success->setObjectName(QStringLiteral("success"));
    QFont large = m_success->font();
    large.setPointSizeF(large.pointSizeF() * 2.0);
    large.setBold(true);
    m_success->setFont(large);
    summary->addWidget(m_success, 1);
    m_flags = new QLabel(this);
    m_flags->setObjectName(QStringLiteral("flags"));
    m_flags->setWordWrap(true);
    summary->addWidget(m_flags, 1);

    m_chart = new FanChartView(m_run, m_textHeight, this);
    layout->addWidget(m_chart, 1);

    auto* saving = new QHBoxLayout;
    layout->addLayout(saving);
    saving->addStretch(1);
    m_savePng = new QPushButton(QStringLiteral("Save as PNG..."), this);
    m_savePng->setObjectName(QStringLiteral("savePng"));
    saving->addWidget(m_savePng);
    m_saveCsv = new QPushButton(QStringLiteral("Save as CSV..."), this);
    m_saveCsv->setObjectName(QStringLiteral("saveCsv"));
    saving->addWidget(m_saveCsv);

    connect(m_start, &QPushButton::clicked, this, &MonteCarloPage::startRun);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_run.cancel(); });
    connect(m_savePng, &QPushButton::clicked, this, &MonteCarloPage::saveChart);
    connect(m_saveCsv, &QPushButton::clicked, this, &MonteCarloPage::saveTable);
}

void MonteCarloPage::startRun() {
    m_run.trials = m_trials->value();
    m_run.mode = modeAt(m_mode->currentIndex());
    // A run now makes the scenario current, so that an edit from here on can cancel the trials.
    m_planner.runIfStale();
    MonteCarloSettings settings;
    settings.trials = m_run.trials;
    settings.seed = static_cast<std::uint32_t>(std::time(nullptr));
    settings.mode = *m_run.mode;
    m_run.start(m_planner.monteCarloJob(settings));
    showState();
}

void MonteCarloPage::showState() {
    const bool running = m_run.running();
    m_start->setEnabled(!running);
    m_cancel->setEnabled(running);
    const auto& last = m_run.last();
    const bool done = last && last->status == MonteCarloStatus::Done;
    // A finished run shows a full bar; a cancelled one, or none yet, an empty one.
    m_progress->setRange(0, std::max(m_run.total(), 1));
    m_progress->setValue(running ? m_run.done() : done ? m_progress->maximum() : 0);
    m_savePng->setEnabled(done && !running);
    m_saveCsv->setEnabled(done && !running);
    m_success->setText(done ? qs(successLine(last->result)) : QString());
    m_flags->setText(last ? flagsText(*last) : QString());
    m_chart->update();
}

void MonteCarloPage::saveChart() {
    const auto path = m_files.choose({"Save Monte Carlo Chart",
                                      {"PNG Images (*.png)"},
                                      "png",
                                      FileRequest::Mode::Save,
                                      true,
                                      {}});
    if (path && !render::writeFanChartPng(*path, m_run.last()->result, kSavedChartSize)) {
        m_flags->setText(QStringLiteral("Cannot write ") + qs(*path));
    }
}

void MonteCarloPage::saveTable() {
    const auto path = m_files.choose({"Save Monte Carlo Table",
                                      {"CSV Files (*.csv)"},
                                      "csv",
                                      FileRequest::Mode::Save,
                                      true,
                                      {}});
    if (path && !writeFileReplacing(*path, bandsCsv(m_run.last()->result))) {
        m_flags->setText(QStringLiteral("Cannot write ") + qs(*path));
    }
}

} // namespace finplan::gui
