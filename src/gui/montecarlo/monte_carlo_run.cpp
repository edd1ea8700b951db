#include "gui/montecarlo/monte_carlo_run.h"

#include <QTimer>

namespace finplan::gui {

namespace {

// How often the window looks at the trials' progress.
constexpr int kPollMilliseconds = 50;

} // namespace

MonteCarloRun::MonteCarloRun(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this)) {
    m_timer->setInterval(kPollMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &MonteCarloRun::poll);
}

MonteCarloRun::~MonteCarloRun() {
    // The thread writes into members: it must be gone before they are.
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void MonteCarloRun::start(MonteCarloJob job) {
    cancel();
    m_done = 0;
    m_over = false;
    m_total = job.settings().trials;
    m_thread = std::jthread([this, owned = std::move(job)](std::stop_token stop) {
        m_outcome = std::make_unique<MonteCarloOutcome>(owned.run(stop, &m_done));
        m_over.store(true, std::memory_order_release);
    });
    m_timer->start();
}

void MonteCarloRun::cancel() {
    if (!running()) {
        return;
    }
    m_thread.request_stop();
    m_thread.join();
    m_thread = {};
    m_outcome.reset();
    m_timer->stop();
    Q_EMIT stopped();
}

void MonteCarloRun::poll() {
    if (!m_over.load(std::memory_order_acquire)) {
        Q_EMIT progressed();
        return;
    }
    m_thread.join();
    m_thread = {};
    m_timer->stop();
    m_last = std::move(*m_outcome);
    m_outcome.reset();
    Q_EMIT stopped();
}

} // namespace finplan::gui
