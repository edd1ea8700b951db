// How long a repaint of the graph area takes for a 99-year scenario of 50 accounts, offscreen:
// the four-graph summary view (target: under 16 ms) and, for comparison, the single net worth
// graph in 3-D bars.
#include "engine/random_source.h"
#include "engine/run_simulation.h"
#include "graphs/graph_view.h"
#include "gui/graphs/graph_widget.h"
#include "model/derived_totals.h"
#include "model/event_order.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace finplan {
namespace {

class SilentDialogs : public UserDialogs {
public:
    Answer show(const Message&) override { return Answer::No; }
};

// Ages 21 to 120: 99 shown years, every account and group in use.
Scenario centuryScenario() {
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
    constexpr EventType kTypes[] = {EventType::Deposit, EventType::Transfer, EventType::Withdrawal};
    constexpr int kEvents = 90;
    for (int i = 0; i < kEvents; ++i) {
        EventRecord& e = s.events[static_cast<std::size_t>(i)];
        e.type = static_cast<std::int16_t>(kTypes[i % 3]);
        e.startAge = 21.0f + static_cast<float>(i % 60);
        e.endAge = e.startAge + 30.0f;
        e.amount = 1000.0f + static_cast<float>(i);
        e.accountId = static_cast<std::int16_t>(i % kMaxAccounts);
        e.fromAccountId = static_cast<std::int16_t>((i + 7) % kMaxAccounts);
        setFieldText(e.name, "Event " + std::to_string(i));
    }
    s.liveEventCount = kEvents;
    s.header.eventCount = kEvents;
    sortEvents(s);
    deriveTotals(s);
    return s;
}

// The scenario, run once, and a graph area over its results.
class GraphBench {
public:
    GraphBench()
        : m_workDir(std::filesystem::temp_directory_path() /
                    ("finplan-graph-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_workDir);
        m_scenario = centuryScenario();
        RandomSource random(1);
        const FixedClock clock({2026, 12, 6, 12, 0, 0});
        RunEnvironment environment{m_workDir, m_dialogs, clock, &random};
        runSimulation(m_scenario, m_output, RunSwitches{}, environment, OutputMode::Display);
    }
    ~GraphBench() { std::filesystem::remove_all(m_workDir); }
    GraphBench(const GraphBench&) = delete;
    GraphBench& operator=(const GraphBench&) = delete;

    gui::GraphSource source() const { return {m_scenario, m_output, m_settings}; }
    int shownYears() const { return m_output.tables.shownYears; }

private:
    std::filesystem::path m_workDir;
    SilentDialogs m_dialogs;
    Scenario m_scenario;
    RunOutput m_output;
    AppSettings m_settings;
};

// One repaint as the window system asks for it: everything drawn anew from the results.
void repaintLoop(benchmark::State& state, gui::GraphWidget& widget) {
    widget.resize(1280, 960);
    widget.show();
    QApplication::processEvents();
    for (auto _ : state) {
        widget.refresh();
        widget.repaint();
    }
    if (widget.canvas().size() != QSize(1280, 960)) {
        state.SkipWithError("the graph area was never painted");
    }
}

void BM_FourGraphRepaint(benchmark::State& state) {
    const GraphBench bench;
    GraphView view;
    view.enterFourGraphView();
    gui::GraphWidget widget(view, bench.source());
    repaintLoop(state, widget);
    state.counters["years"] = bench.shownYears();
}
BENCHMARK(BM_FourGraphRepaint)->Unit(benchmark::kMillisecond);

void BM_NetWorth3DRepaint(benchmark::State& state) {
    const GraphBench bench;
    GraphView view;
    view.showGraph(GraphKind::NetWorth);
    view.beginDrawing(bench.shownYears() - 1);
    for (int click = 0; click < 3; ++click) {
        view.nextStyle();
    }
    gui::GraphWidget widget(view, bench.source());
    repaintLoop(state, widget);
}
BENCHMARK(BM_NetWorth3DRepaint)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace finplan

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
