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
#include "synthetic_scenario.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace finplan {
namespace {

using bench::SilentDialogs;

// Ages 21 to 120: 99 shown years, every account and group in use.
Scenario centuryScenario() {
    bench::ScenarioShape shape;
    shape.events = 90;
    return bench::syntheticScenario(shape);
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
        runSimulation(m_scenario, m_output, RunSwitches{}, environment,
                      RunOutputs::display(m_output.schedule));
    }
    ~GraphBench() { std::filesystem::remove_all(m_workDir); }
    GraphBench(const GraphBench&) = delete;
    GraphBench& operator=(const GraphBench&) = delete;

    render::GraphSource source() const { return {m_scenario, m_output, m_settings}; }
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
