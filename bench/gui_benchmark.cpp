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

class SilentDialogs : public UserDialogs {
public:
    Answer show(const Message&) override { return Answer::No; }
};

class NoFiles : public gui::FileChooser {
public:
    std::optional<std::string> choose(const gui::FileRequest&) override { return std::nullopt; }
    bool isOpen() const override { return false; }
};

// Forty accounts and a hundred yearly events over 41 years; with the account balances shown
// the schedule has about 6,000 lines.
Scenario largeScenario() {
    Scenario s;
    resetScenario(s);
    s.header.startAge = 30;
    s.header.endAge = 71;
    constexpr int kAccounts = 40;
    for (int i = 0; i < kAccounts; ++i) {
        AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(i)];
        setFieldText(a.name, "Account " + std::to_string(i));
        setFieldText(a.accessOrder, std::to_string(40 - i));
        a.kind = static_cast<std::uint16_t>(i % kAccountKindCount);
        a.initialAmount = 20000.0f + static_cast<float>(i) * 1000.0f;
        a.rate = static_cast<float>(i % 7);
        a.accountId = static_cast<std::uint16_t>(i);
        a.group = static_cast<std::uint16_t>(i % kGroupCount);
    }
    s.accounts.accountCount = kAccounts;
    s.accounts.nextAccountId = kAccounts;
    constexpr EventType kTypes[] = {EventType::Deposit, EventType::Transfer, EventType::Withdrawal};
    constexpr int kEvents = 100;
    for (int i = 0; i < kEvents; ++i) {
        EventRecord& e = s.events[static_cast<std::size_t>(i)];
        e.type = static_cast<std::int16_t>(kTypes[i % 3]);
        e.startAge = 30.0f + static_cast<float>(i % 4);
        e.endAge = 71.0f;
        e.amount = 500.0f + static_cast<float>(i);
        e.accountId = static_cast<std::int16_t>(i % kAccounts);
        e.fromAccountId = static_cast<std::int16_t>((i + 7) % kAccounts);
        setFieldText(e.name, "Event " + std::to_string(i));
    }
    s.liveEventCount = kEvents;
    s.header.eventCount = kEvents;
    sortEvents(s);
    deriveTotals(s);
    return s;
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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
