#include "montecarlo/monte_carlo.h"

#include "montecarlo/trial_runner.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace finplan {

namespace {

void record(TrialSamples& samples, int trial, const RunOutput& output) {
    const ResultTables& tables = output.tables;
    for (int age = 0; age < samples.netWorth.ages(); ++age) {
        const YearResult& year = tables.years[static_cast<std::size_t>(age)];
        samples.netWorth.set(age, trial, year.netWorth);
        samples.liquid.set(age, trial, year.investment + year.taxFree + year.retirement);
    }
    samples.outcomes[static_cast<std::size_t>(trial)] = outcomeOf(output.redFlags);
}

// The shown ages of a run: the same for every trial, since only rates are drawn.
TrialSamples samplesFor(const RunOutput& first, int trials) {
    const int ages = first.tables.shownYears;
    TrialSamples samples{{},
                         AgeSamples(ages, trials),
                         AgeSamples(ages, trials),
                         std::vector<TrialOutcome>(static_cast<std::size_t>(trials))};
    for (int age = 0; age < ages; ++age) {
        samples.ages.push_back(first.tables.years[static_cast<std::size_t>(age)].age);
    }
    return samples;
}

// The trials after the first, handed out one at a time to whichever thread is free.
class TrialQueue {
public:
    TrialQueue(const Scenario& scenario, const MonteCarloSettings& settings, LocalDateTime now,
               TrialSamples& samples)
        : m_scenario(scenario)
        , m_settings(settings)
        , m_now(now)
        , m_samples(samples) {}

    void work(const std::stop_token& stop, std::atomic<int>* done) {
        TrialRunner runner(m_scenario, m_settings.mode, m_now);
        while (!stop.stop_requested()) {
            const int trial = m_next.fetch_add(1, std::memory_order_relaxed);
            if (trial >= m_settings.trials) {
                return;
            }
            if (!runner.run(m_settings.seed + static_cast<std::uint32_t>(trial))) {
                const std::lock_guard lock(m_mutex);
                m_refusal = runner.refusal().value_or(Message{});
                return;
            }
            record(m_samples, trial, runner.output());
            if (done != nullptr) {
                done->fetch_add(1, std::memory_order_relaxed);
            }
        }
    }

    std::optional<Message> refusal() const { return m_refusal; }
    bool finished() const { return m_next.load() >= m_settings.trials; }

private:
    const Scenario& m_scenario;
    const MonteCarloSettings& m_settings;
    LocalDateTime m_now;
    TrialSamples& m_samples;
    std::atomic<int> m_next{1};
    std::mutex m_mutex;
    std::optional<Message> m_refusal;
};

MonteCarloOutcome refused(Message message) {
    return {MonteCarloStatus::Refused, {}, std::move(message)};
}

} // namespace

int trialThreads(const MonteCarloSettings& settings) {
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    const int wanted = settings.threads > 0 ? settings.threads : std::max(cores, 1);
    return std::clamp(wanted, 1, std::max(settings.trials, 1));
}

MonteCarloJob::MonteCarloJob(Scenario scenario, const MonteCarloSettings& settings,
                             LocalDateTime now)
    : m_scenario(std::move(scenario))
    , m_settings(settings)
    , m_now(now) {
    m_settings.trials = std::clamp(m_settings.trials, 1, kMaxTrials);
}

MonteCarloOutcome MonteCarloJob::run(std::stop_token stop, std::atomic<int>* done) const {
    if (!hasRandomRanges(m_scenario, m_settings.mode)) {
        return refused({std::string(kNoRandomRatesText), std::string(kMonteCarloTitle)});
    }
    // The first trial, here, also tells whether the scenario runs at all and which ages it
    // shows.
    TrialRunner first(m_scenario, m_settings.mode, m_now);
    if (!first.run(m_settings.seed)) {
        return refused(first.refusal().value_or(Message{}));
    }
    TrialSamples samples = samplesFor(first.output(), m_settings.trials);
    record(samples, 0, first.output());
    if (done != nullptr) {
        done->fetch_add(1, std::memory_order_relaxed);
    }
    TrialQueue queue(m_scenario, m_settings, m_now, samples);
    {
        std::vector<std::jthread> helpers;
        for (int i = 1; i < trialThreads(m_settings); ++i) {
            helpers.emplace_back([&] { queue.work(stop, done); });
        }
        queue.work(stop, done);
    }
    if (const auto refusal = queue.refusal()) {
        return refused(*refusal);
    }
    if (stop.stop_requested() && !queue.finished()) {
        return {MonteCarloStatus::Cancelled, {}, {}};
    }
    MonteCarloOutcome outcome{MonteCarloStatus::Done, summarizeTrials(samples), {}};
    outcome.result.seed = m_settings.seed;
    outcome.result.mode = m_settings.mode;
    return outcome;
}

} // namespace finplan
