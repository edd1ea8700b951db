// How long one simulation run of a maximal scenario takes: 50 accounts, 149 events and 99
// shown years, in Display mode with every file written.
#include "engine/run_simulation.h"
#include "model/derived_totals.h"
#include "model/event_order.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
#include "synthetic_scenario.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace finplan {
namespace {

using bench::SilentDialogs;

// 50 accounts, 149 events of the simple kinds and rate changes, 99 shown years.
Scenario maximalScenario() {
    bench::ScenarioShape shape;
    shape.kinds = {EventType::Deposit, EventType::Transfer, EventType::Withdrawal,
                   EventType::Fundamentals};
    return bench::syntheticScenario(shape);
}

// The same accounts with 49 mortgages of 30 years, each replaying its schedule every year,
// and 100 events of the other kinds.
Scenario mortgageScenario() {
    Scenario s = maximalScenario();
    for (int i = 0; i < 49; ++i) {
        EventRecord& e = s.events[static_cast<std::size_t>(i)];
        e = EventRecord{};
        e.type = static_cast<std::int16_t>(EventType::Mortgage);
        e.startAge = 21.0f + static_cast<float>(i % 40);
        e.endAge = e.startAge + 30.0f;
        e.amount = 200000.0f + static_cast<float>(i) * 1000.0f;
        e.downPayment = 20000.0f;
        e.rate = 4.5f;
        e.years = 30;
        e.appreciationRate = 3.0f;
        e.propertyTax = 3000.0f;
        e.inflationAdjust = 1;
        e.accountId = 1; // the down payment is not withdrawn
        e.payAccountId = kNoAccount;
        setFieldText(e.name, "Mortgage " + std::to_string(i));
    }
    sortEventsByName(s);
    sortEvents(s);
    deriveTotals(s);
    return s;
}

// `everything`: detailed results and account summaries on, the most a run can print; else the
// switches a run starts with after an edit. `tablesOnly`: the run of many runs side by side,
// no text and no files.
void runMaximal(benchmark::State& state, const Scenario& original, bool everything,
                bool tablesOnly = false) {
    const auto workDir = std::filesystem::temp_directory_path() / "finplan-bench";
    std::filesystem::create_directories(workDir);
    SilentDialogs dialogs;
    const FixedClock clock({2026, 12, 6, 12, 0, 0});
    RunEnvironment environment{workDir, dialogs, clock};
    RunSwitches switches;
    switches.detailedResults = everything;
    switches.accountSummary = everything;
    RunOutput output;
    Scenario scenario = original;
    const RunOutputs outputs = tablesOnly ? RunOutputs{} : RunOutputs::display(output.schedule);
    for (auto _ : state) {
        const int result = runSimulation(scenario, output, switches, environment, outputs);
        benchmark::DoNotOptimize(result);
    }
    // A scenario the checks refuse runs in no time: that must fail, not pass as fast.
    if (output.tables.shownYears == 0) {
        state.SkipWithError("the scenario was refused");
    }
    state.counters["years"] = static_cast<double>(output.tables.shownYears);
    state.counters["lines"] = static_cast<double>(output.schedule.lines.size());
    std::filesystem::remove_all(workDir);
}

void BM_MaximalRun(benchmark::State& state) {
    runMaximal(state, maximalScenario(), false);
}
BENCHMARK(BM_MaximalRun)->Unit(benchmark::kMillisecond);

void BM_MaximalRunTablesOnly(benchmark::State& state) {
    runMaximal(state, maximalScenario(), false, true);
}
BENCHMARK(BM_MaximalRunTablesOnly)->Unit(benchmark::kMillisecond);

void BM_MaximalRunWithMortgagesTablesOnly(benchmark::State& state) {
    runMaximal(state, mortgageScenario(), false, true);
}
BENCHMARK(BM_MaximalRunWithMortgagesTablesOnly)->Unit(benchmark::kMillisecond);

void BM_MaximalRunWithMortgages(benchmark::State& state) {
    runMaximal(state, mortgageScenario(), false);
}
BENCHMARK(BM_MaximalRunWithMortgages)->Unit(benchmark::kMillisecond);

void BM_MaximalRunShowingEverything(benchmark::State& state) {
    runMaximal(state, maximalScenario(), true);
}
BENCHMARK(BM_MaximalRunShowingEverything)->Unit(benchmark::kMillisecond);

void BM_MaximalRunWithMortgagesShowingEverything(benchmark::State& state) {
    runMaximal(state, mortgageScenario(), true);
}
BENCHMARK(BM_MaximalRunWithMortgagesShowingEverything)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace finplan

BENCHMARK_MAIN();
