// How long one simulation run of a maximal scenario takes: 50 accounts, 149 events and 99
// shown years, in Display mode with every file written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "engine/run_simulation.h"
#include "model/derived_totals.h"
#include "model/event_order.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"

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
    constexpr EventType kTypes[] = {EventType::Deposit, EventType::Transfer,
                                    EventType::Withdrawal, EventType::Fundamentals};
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

void BM_MaximalRun(benchmark::State& state) {
    const Scenario original = maximalScenario();
    const auto workDir = std::filesystem::temp_directory_path() / "finplan-bench";
    std::filesystem::create_directories(workDir);
    SilentDialogs dialogs;
    const FixedClock clock({2026, 12, 6, 12, 0, 0});
    RunEnvironment environment{workDir, dialogs, clock};
    RunSwitches switches;
    switches.detailedResults = true;
    switches.accountSummary = true;
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
BENCHMARK(BM_MaximalRun)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace finplan

BENCHMARK_MAIN();
