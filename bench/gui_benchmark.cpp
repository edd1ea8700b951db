// How long "Run Again" on the Results page takes with a schedule of about 6,000 lines: the run,
// the list taking in the new lines, its positioning and one paint, offscreen.
#include "app/planner.h"
#include "gui/platform/file_chooser.h"
#include "gui/shell/main_window.h"
#include "gui/shell/results_page.h"
#include "gui/shell/schedule_model.h"
#include "gui/shell/schedule_view.h"
#include "model/derived_totals.h"
#include "model/event_order.h"
#include "model/scenario_image.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
#include "synthetic_scenario.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace finplan {
namespace {

using bench::SilentDialogs;

class NoFiles : public gui::FileChooser {
public:
    std::optional<std::string> choose(const gui::FileRequest&) override { return std::nullopt; }
    bool isOpen() const override { return false; }
};

// Forty accounts and a hundred yearly events over 41 years; with the account balances shown
// the schedule has about 6,000 lines.
Scenario largeScenario() {
    bench::ScenarioShape shape;
    shape.startAge = 30;
    shape.endAge = 71;
    shape.accounts = 40;
    shape.events = 100;
    shape.startSpread = 4;
    shape.eventYears = 0;
    return bench::syntheticScenario(shape);
}

void BM_RunAgainAndRefresh(benchmark::State& state) {
    const auto workDir = std::filesystem::temp_directory_path() /
                         ("finplan-gui-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(workDir);
    const auto scenarioFile = workDir / "large.RET";
    {
        const auto bytes = encodeScenarioImage(largeScenario());
        std::ofstream out(scenarioFile, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    SilentDialogs dialogs;
    NoFiles files;
    const FixedClock clock({2026, 12, 6, 12, 0, 0});
    {
        Planner planner(workDir, dialogs, clock);
        planner.prepare({});
        gui::MainWindow window(planner, dialogs, files);
        window.resize(900, 640);
        window.show();
        planner.openAtStart(scenarioFile.string());
        window.startUp();
        planner.toggleAccountSummary();
        window.folders()->setCurrentIndex(3);
        QApplication::processEvents();
        auto* page = qobject_cast<gui::ResultsPage*>(window.currentPage());
        auto* runAgain = page->findChild<QPushButton*>(QStringLiteral("runAgainButton"));
        for (auto _ : state) {
            runAgain->click();
            page->view()->viewport()->repaint();
            QApplication::processEvents();
        }
        state.counters["lines"] = page->model()->rowCount();
    }
    std::filesystem::remove_all(workDir);
}
BENCHMARK(BM_RunAgainAndRefresh)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace finplan
