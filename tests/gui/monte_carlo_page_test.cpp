#include "gui/montecarlo/monte_carlo_page.h"
#include "gui/montecarlo/monte_carlo_run.h"
#include "gui_fixture.h"
#include "support/case_file.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <chrono>

namespace finplan::test {
namespace {

class MonteCarloPageTest : public GuiTest {
protected:
    gui::MonteCarloPage* openPage() {
        openSample();
        return chooseFolder<gui::MonteCarloPage>(window->folders()->count() - 1);
    }
    template <class Widget>
    Widget* child(const char* name) {
        return window->currentPage()->findChild<Widget*>(QString::fromLatin1(name));
    }
    bool waitUntilStopped(gui::MonteCarloRun& run) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (run.running() && std::chrono::steady_clock::now() < end) {
            QTest::qWait(20);
        }
        return !run.running();
    }
};

TEST_F(MonteCarloPageTest, RunsInTheBackgroundShowsTheResultAndSavesTheTable) {
    ASSERT_NE(openPage(), nullptr);
    EXPECT_EQ(window->folders()->tabText(window->folders()->count() - 1),
              QStringLiteral("Monte Carlo"));
    child<QSpinBox>("trials")->setValue(200);
    child<QPushButton>("run")->click();
    gui::MonteCarloRun& run = window->folders()->monteCarlo();
    EXPECT_TRUE(child<QPushButton>("cancel")->isEnabled() || !run.running());
    ASSERT_TRUE(waitUntilStopped(run));
    ASSERT_TRUE(run.last().has_value());
    EXPECT_EQ(run.last()->result.trials, 200);
    EXPECT_TRUE(child<QLabel>("success")->text().startsWith(QStringLiteral("Success: ")));
    EXPECT_TRUE(child<QLabel>("flags")->text().startsWith(QStringLiteral("Seed: ")));
    EXPECT_EQ(child<QProgressBar>("progress")->value(), 200); // full once done

    const std::string csv = (dir / "bands.csv").string();
    files.answers = {csv};
    child<QPushButton>("saveCsv")->click();
    EXPECT_TRUE(readText(csv).starts_with("Age,Net worth P5,"));
    EXPECT_EQ(linesOf(readText(csv)).size(), 49u);
}

TEST_F(MonteCarloPageTest, CancelAndEditingTheScenarioStopTheTrials) {
    ASSERT_NE(openPage(), nullptr);
    gui::MonteCarloRun& run = window->folders()->monteCarlo();
    child<QSpinBox>("trials")->setValue(100000);
    child<QPushButton>("run")->click();
    QTest::qWait(100);
    ASSERT_TRUE(run.running());
    child<QPushButton>("cancel")->click();
    EXPECT_FALSE(run.running());
    EXPECT_FALSE(run.last().has_value());
    EXPECT_TRUE(child<QPushButton>("run")->isEnabled());
    EXPECT_EQ(child<QProgressBar>("progress")->value(), 0);

    child<QPushButton>("run")->click();
    ASSERT_TRUE(run.running());
    planner.scenario().resultsStale = true;
    window->refreshViews(std::nullopt);
    EXPECT_FALSE(run.running());
}

} // namespace
} // namespace finplan::test
