#pragma once

#include "montecarlo/monte_carlo.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class QTimer;

namespace finplan::gui {

// The Monte Carlo run of the window: its trials on threads of their own while the window goes
// on, the progress, and the last result. It outlives the page that shows it, which is made
// anew at every tab change; it also keeps the page's choices.
class MonteCarloRun : public QObject {
    Q_OBJECT
public:
    explicit MonteCarloRun(QObject* parent);
    ~MonteCarloRun() override;

    // Starts the job; a run in progress is cancelled first.
    void start(MonteCarloJob job);
    // Stops the trials (within a trial's time) and forgets them; the last result stays.
    void cancel();
    bool running() const { return m_thread.joinable(); }
    int done() const { return m_done.load(std::memory_order_relaxed); }
    int total() const { return m_total; }
    // The last finished run: its result, or why it was refused.
    const std::optional<MonteCarloOutcome>& last() const { return m_last; }

    // The page's choices.
    int trials = kDefaultTrials;
    std::optional<RandomMode> mode;

Q_SIGNALS:
    void progressed();
    // The run finished, was refused or was cancelled.
    void stopped();

private:
    void poll();

    QTimer* m_timer;
    std::jthread m_thread;
    std::atomic<int> m_done{0};
    std::atomic<bool> m_over{false};
    std::unique_ptr<MonteCarloOutcome> m_outcome; // written by the thread before m_over
    std::optional<MonteCarloOutcome> m_last;
    int m_total = 0;
};

} // namespace finplan::gui
