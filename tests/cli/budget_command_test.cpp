#include "cli_cases.h"
#include "model/scenario_image.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

// The runs and their answers are in tests/data/cli/budget_runs.txt; bad.tmp holds a paste file
// with a bad count.
TEST(BudgetCli, HouseholdExamplePasteExitStatusesAndOptionDialogs) {
    for (const char* word : {"household", "paste", "option"}) {
        const TempDir dir;
        writeAll(dir / "plan.RET", encodeScenarioImage(makeScenario(test::textBlock(
                                       "cli/budget_command_scenarios.txt", "scenario"))));
        writeText(dir / "bad.tmp", readText(testData("budgets/paste/bad_count_31.tmp")));
        runCliCases("cli/budget_runs.txt", word, dir.path());
    }
}

} // namespace
} // namespace finplan::test
