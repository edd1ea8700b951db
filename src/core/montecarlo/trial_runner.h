#pragma once

#include "montecarlo/random_mode.h"
#include "platform/clock.h"
#include "platform/user_dialogs.h"
#include "results/run_output.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace finplan {

// Runs single trials of one scenario: each an engine-only run of a fresh copy of the scenario
// as it was loaded, with random rates of one mode from a generator seeded for the trial, so
// trial t is the run a user gets with that seed. One runner per thread.
class TrialRunner {
public:
    TrialRunner(const Scenario& loaded, RandomMode mode, LocalDateTime now);

    // False when the scenario cannot be run; refusal() then says why.
    bool run(std::uint32_t seed);
    const RunOutput& output() const { return *m_output; }
    const std::optional<Message>& refusal() const { return m_dialogs.first; }

private:
    // Keeps the first message a run shows; nobody is there to answer.
    struct QuietDialogs : UserDialogs {
        std::optional<Message> first;
        Answer show(const Message& message) override;
    };

    const Scenario& m_loaded;
    RunSwitches m_switches;
    FixedClock m_clock;
    QuietDialogs m_dialogs;
    std::unique_ptr<Scenario> m_work = std::make_unique<Scenario>();
    std::unique_ptr<RunOutput> m_output = std::make_unique<RunOutput>();
};

} // namespace finplan
