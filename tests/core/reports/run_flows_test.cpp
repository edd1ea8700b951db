#include "app/planner.h"
#include "reports/account_flow_files.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace finplan::test {
namespace {

// The flows a run hands over are those its files show, position by position, whenever the
// account names tell the accounts apart.
TEST(RunFlows, AreWhatTheRunFilesShow) {
    TempDir dir;
    ScriptedDialogs dialogs;
    const FixedClock clock(LocalDateTime{2026, 12, 6, 10, 0, 0});
    Planner planner(dir.path(), dialogs, clock);
    planner.scenario() =
        makeScenario(test::textBlock("reports/run_flows_scenarios.txt", "AreWhatTheRunFilesShow"));
    ASSERT_TRUE(planner.runWith({.runFiles = true}));
    const auto fromFiles = std::make_unique<AccountFlows>(
        parseAccountFlows(readText(dir / "infile.tmp"), readText(dir / "outfile.tmp")));
    const AccountFlows& fromRun = planner.accountFlows();
    ASSERT_EQ(fromRun.names, fromFiles->names);
    ASSERT_EQ(fromRun.names.size(), 4u);
    EXPECT_EQ(fromRun.firstAge, 50);
    EXPECT_EQ(fromRun.lastAge, fromFiles->lastAge);
    for (int age = 0; age < kFlowAges; ++age) {
        for (int a = 0; a < 4; ++a) {
            const auto at = static_cast<std::size_t>(age);
            const auto position = static_cast<std::size_t>(a);
            EXPECT_EQ(fromRun.incoming[at][position], fromFiles->incoming[at][position]) << age;
            EXPECT_EQ(fromRun.outgoing[at][position], fromFiles->outgoing[at][position]) << age;
        }
    }
    // The boat loses value every year, the savings pay the living costs.
    EXPECT_GT(fromRun.outgoing[60][2], 0.0f);
    EXPECT_GT(fromRun.outgoing[51][0], 0.0f);
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace finplan::test
