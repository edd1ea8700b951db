#include "cli_cases.h"
#include "model/scenario_image.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

// The runs and their answers are in tests/data/cli/budget_runs.txt.
class BudgetCli : public ::testing::Test {
protected:
    void SetUp() override {
        Scenario scenario =
            makeScenario(test::textBlock("cli/budget_command_scenarios.txt", "scenario"));
        writeAll(m_dir / "plan.RET", encodeScenarioImage(scenario));
    }

    TempDir m_dir;
};

TEST_F(BudgetCli, HouseholdExampleRowsFilesAndRun) {
    runCliCases("cli/budget_runs.txt", "household", m_dir.path());
    // The three files are as the dialog writes them.
    const std::string budout = readText(testData("budgets/worked/budout.tmp"));
    EXPECT_EQ(readText(m_dir / "budout.tmp"), budout);
    EXPECT_EQ(readText(m_dir / "pbudout.tmp"), budout);
    EXPECT_EQ(readText(m_dir / "rpage1"), readText(testData("budgets/worked/rpage1")));
}

TEST_F(BudgetCli, PasteIntoAnotherBudgetAndExitStatuses) {
    writeText(m_dir / "bad.tmp", readText(testData("budgets/paste/bad_count_31.tmp")));
    runCliCases("cli/budget_runs.txt", "paste", m_dir.path());
}

TEST_F(BudgetCli, OptionDialogsAsEditTargets) {
    runCliCases("cli/budget_runs.txt", "option", m_dir.path());
}

} // namespace
} // namespace finplan::test
