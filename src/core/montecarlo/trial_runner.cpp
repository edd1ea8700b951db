#include "montecarlo/trial_runner.h"

#include "engine/run_preparation.h"
#include "engine/run_simulation.h"

namespace finplan {

Answer TrialRunner::QuietDialogs::show(const Message& message) {
    if (!first) {
        first = message;
    }
    return message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
}

TrialRunner::TrialRunner(const Scenario& loaded, RandomMode mode, LocalDateTime now)
    : m_loaded(loaded)
    , m_switches(randomRunSwitches(mode))
    , m_clock(now) {}

bool TrialRunner::run(std::uint32_t seed) {
    *m_work = m_loaded;
    prepareRun(*m_work, m_switches);
    RandomSource random(seed);
    RunEnvironment environment{{}, m_dialogs, m_clock, &random};
    return runSimulation(*m_work, *m_output, m_switches, environment) == 1;
}

} // namespace finplan
