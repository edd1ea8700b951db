// Many random trials of a scenario on the machine's cores, and one engine-only trial of a
// plain retirement: one account, a fixed inflation-adjusted withdrawal, 30 years.
#include "model/sample_scenario.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
#include "montecarlo/monte_carlo.h"
#include "montecarlo/trial_runner.h"

#include <benchmark/benchmark.h>

namespace finplan {
namespace {

const LocalDateTime kNow{2026, 12, 6, 12, 0, 0};

// $1,000,000 in one account, $40,000 a year taken out and raised with inflation, 30 years.
Scenario plainRetirement() {
    Scenario s;
    resetScenario(s);
    s.header.startAge = 65.0f;
    s.header.endAge = 95.0f;
    s.header.inflationRate = 3.0f;
    AccountRecord& account = s.accounts.accounts[0];
    setFieldText(account.name, "Portfolio");
    setFieldText(account.accessOrder, "1");
    account.kind = static_cast<std::uint16_t>(AccountKind::InvestmentSavings);
    account.initialAmount = 1000000.0f;
    account.rate = 7.0f;
    account.randomMinRate = -12.0f;
    account.randomMaxRate = 26.0f;
    s.accounts.accountCount = 1;
    s.accounts.nextAccountId = 1;
    EventRecord& withdrawal = s.events[0];
    withdrawal = emptyEvent();
    withdrawal.type = static_cast<std::int16_t>(EventType::Withdrawal);
    setFieldText(withdrawal.name, "Spending");
    withdrawal.startAge = 65.0f;
    withdrawal.endAge = 94.0f;
    withdrawal.amount = 40000.0f;
    withdrawal.inflationAdjust = 1;
    withdrawal.accountId = 0;
    s.liveEventCount = 1;
    s.header.eventCount = 1;
    return s;
}

void BM_MonteCarloSample(benchmark::State& state) {
    const MonteCarloJob job(makeSampleScenario(),
                            {static_cast<int>(state.range(0)), 1, 0, RandomMode::Groups}, kNow);
    for (auto _ : state) {
        const MonteCarloOutcome outcome = job.run();
        benchmark::DoNotOptimize(outcome.result.successes);
    }
    state.counters["threads"] = trialThreads(job.settings());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MonteCarloSample)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One trial, as each thread runs it: a fresh copy of the scenario, random rates, no text.
void trial(benchmark::State& state, const Scenario& scenario, RandomMode mode) {
    TrialRunner runner(scenario, mode, kNow);
    // A refused scenario runs in no time: that must fail, not pass as fast.
    if (!runner.run(0) || runner.output().tables.shownYears == 0) {
        state.SkipWithError("the scenario was refused");
        return;
    }
    std::uint32_t seed = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runner.run(seed++));
    }
}

void BM_TrialPlainRetirement(benchmark::State& state) {
    trial(state, plainRetirement(), RandomMode::Accounts);
}
BENCHMARK(BM_TrialPlainRetirement)->Unit(benchmark::kMicrosecond);

void BM_TrialSample(benchmark::State& state) {
    trial(state, makeSampleScenario(), RandomMode::Groups);
}
BENCHMARK(BM_TrialSample)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace finplan

BENCHMARK_MAIN();
