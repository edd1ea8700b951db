#pragma once

#include "model/scenario.h"
#include "montecarlo/monte_carlo_result.h"
#include "montecarlo/random_mode.h"
#include "platform/clock.h"
#include "platform/user_dialogs.h"

#include <atomic>
#include <cstdint>
#include <stop_token>

namespace finplan {

inline constexpr int kDefaultTrials = 1000;
// The samples take 8 bytes per trial and shown age: at most 80 MB for 100 years.
inline constexpr int kMaxTrials = 100000;

struct MonteCarloSettings {
    int trials = kDefaultTrials;
    std::uint32_t seed = 0; // trial t is seeded seed + t (mod 2^32)
    int threads = 0;        // 0: one per core
    RandomMode mode = RandomMode::Groups;
};

enum class MonteCarloStatus { Done, Cancelled, Refused };

struct MonteCarloOutcome {
    MonteCarloStatus status = MonteCarloStatus::Done;
    MonteCarloResult result; // when Done
    Message refusal;         // when Refused
};

// Many trials of one scenario, each an engine-only run with random rates, on a pool of
// threads. The job holds its own copy of the scenario and of the time, so it may run on any
// thread while the scenario it was taken from is edited; the result does not depend on the
// number of threads.
class MonteCarloJob {
public:
    MonteCarloJob(Scenario scenario, const MonteCarloSettings& settings, LocalDateTime now);

    // Runs the trials until done or `stop` is requested (checked between trials); `done`, when
    // given, counts the trials finished.
    MonteCarloOutcome run(std::stop_token stop = {}, std::atomic<int>* done = nullptr) const;

    const MonteCarloSettings& settings() const { return m_settings; }

private:
    Scenario m_scenario;
    MonteCarloSettings m_settings;
    LocalDateTime m_now;
};

// The number of threads `settings` asks for, at least one and no more than the trials.
int trialThreads(const MonteCarloSettings& settings);

} // namespace finplan
