// How long one simulation run of a maximal scenario takes: 50 accounts, 149 events and 99
// shown years, in Display mode with every file written.
#include "engine/run_simulation.h"
#include "model/derived_totals.h"
#include "model/event_order.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace finplan {
namespace {

class SilentDialogs : public UserDialogs {
public:
    Answer show(const Message&) override { return Answer::No; }
};

Scenario maximalScenario() {
    Scenario s;
    resetScenario(s);
    s.header.startAge = 21;
    s.header.endAge = 120;
    for (int i = 0; i < kMaxAccounts; ++i) {
        AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(i)];
        setFieldText(a.name, "Account " + std::to_string(i));
        setFieldText(a.accessOrder, std::to_string(50 - i));
        a.kind = static_cast<std::uint16_t>(i % kAccountKindCount);
        a.initialAmount = 10000.0f + static_cast<float>(i) * 1000.0f;
        a.rate = static_cast<float>(i % 9) - 2.0f;
        a.accountId = static_cast<std::uint16_t>(i);
        a.group = static_cast<std::uint16_t>(i % kGroupCount);
    }
    s.accounts.accountCount = kMaxAccounts;
    s.accounts.nextAccountId = kMaxAccounts;
    constexpr EventType kTypes[] = {EventType::Deposit, EventType::Transfer, EventType::Withdrawal,
                                    EventType::Fundamentals};
    for (int i = 0; i < kMaxEvents; ++i) {
        EventRecord& e = s.events[static_cast<std::size_t>(i)];
        e.type = static_cast<std::int16_t>(kTypes[i % 4]);
        e.startAge = 21.0f + static_cast<float>(i % 60);
        e.endAge = e.startAge + 30.0f;
        e.amount = 1000.0f + static_cast<float>(i);
        e.accountId = static_cast<std::int16_t>(i % kMaxAccounts);
        e.fromAccountId = static_cast<std::int16_t>((i + 7) % kMaxAccounts);
        setFieldText(e.name, "Event " + std::to_string(i));
    }
    s.liveEventCount = kMaxEvents;
    s.header.eventCount = kMaxEvents;
    sortEventsByName(s);
    sortEvents(s);
    deriveTotals(s);
    return s;
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
// switches a run starts with after an edit.
void runMaximal(benchmark::State& state, const Scenario& original, bool everything) {
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
    for (auto _ : state) {
        const int result =
            runSimulation(scenario, output, switches, environment, OutputMode::Display);
        benchmark::DoNotOptimize(result);
    }
    state.counters["lines"] = static_cast<double>(output.schedule.lines.size());
    std::filesystem::remove_all(workDir);
}

void BM_MaximalRun(benchmark::State& state) {
    runMaximal(state, maximalScenario(), false);
}
BENCHMARK(BM_MaximalRun)->Unit(benchmark::kMillisecond);

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
